// A file or folder dropped on the main window or the Mini window: the
// command runs on the directory around it, without any lookup.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "jump/expand_and_run.h"
#include "ui/mini_window_view.h"

namespace vyr {

// The dropped path up to and including its last "\" or ":" (a "\" that is
// the second byte of a double-byte character is none), then "..": the
// folder C:\Work\Sub gives C:\Work\.., the root D:\ gives D:\.., a path
// with neither gives ".." alone.
std::string DroppedDirectoryText(std::string_view path);

class Drops {
 public:
  Drops(ExpandAndRun& run, MiniWindowView& mini) : run_(run), mini_(mini) {}

  // Only the first item counts; the typed input is empty either way.
  void OnMainWindowDrop(const std::vector<std::string>& paths);
  // Hides the window first; the command is the one it was shown for.
  void OnMiniWindowDrop(const std::vector<std::string>& paths);

 private:
  ExpandAndRun& run_;
  MiniWindowView& mini_;
};

}  // namespace vyr
