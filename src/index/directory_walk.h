// Walking a drive's directory tree.
#pragma once

#include <string>
#include <string_view>

#include "index/walked_tree.h"
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

// Walks the root of `tree` (ending in "\") depth-first, pre-order: each
// directory's children are collected and its listing closed before any child
// is entered, siblings in the platform's order. Adds every directory below
// the root to `tree` in that order. Returns the found-directory counter. A
// link back to a directory already on the way down is taken but not entered
// again, so the walk ends on any tree.
int WalkDirectories(platform::DirectoryLister& lister, const WalkOptions& options,
                    WalkProgress& progress, WalkedTree& tree);

}  // namespace vyr
