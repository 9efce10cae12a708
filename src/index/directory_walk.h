// Walking a drive's directory tree into the two lists of an index.
#pragma once

#include <string>
#include <string_view>

#include "index/loaded_index.h"
#include "platform/directory_lister.h"

namespace vyr {

class WalkProgress {
 public:
  virtual ~WalkProgress() = default;
  // Called as each directory is entered, before it is listed.
  virtual void EnterDirectory(std::string_view path, int found_directories) = 0;
};

struct WalkOptions {
  bool skip_system_directories = false;
};

// Walks `root` (ending in "\") depth-first, pre-order: each directory's
// children are collected and its listing closed before any child is entered,
// siblings in the platform's order. Appends every directory below the root to
// the index (name upper-cased, full path without a trailing "\"). Returns the
// found-directory counter. A link back to a directory already on the way down
// is taken but not entered again, so the walk ends on any tree.
int WalkDirectories(const std::string& root, platform::DirectoryLister& lister,
                    const WalkOptions& options, WalkProgress& progress, LoadedIndex& index);

}  // namespace vyr
