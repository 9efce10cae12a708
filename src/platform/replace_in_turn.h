// The order in which a save puts its files in place: the same on every
// system, each of which does the single steps its own way.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace vyr::platform {

class SaveSteps {
 public:
  virtual ~SaveSteps() = default;
  // Writes `content` to a new file at `path`, over any file there, and
  // returns once it is on the disk.
  virtual bool WriteThrough(const std::string& path, std::string_view content) = 0;
  // True when no file is left at `path`, also when there was none.
  virtual bool Remove(const std::string& path) = 0;
  // Puts the file `from` in the place of `to`, over any file there.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
};

// FileSystem::ReplaceFiles once the save's lock is held, with paths the
// steps take as they are.
bool ReplaceInTurn(SaveSteps& steps, std::span<const FileWrite> files);

}  // namespace vyr::platform
