// The walk of a drive spread over several threads, each listing with a
// lister of its own. A walk is bound by the system's listing, and that runs
// on every core at once.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "index/directory_walk.h"
#include "index/walked_tree.h"
#include "platform/directory_lister.h"

namespace vyr {

using ListerMaker = std::function<std::unique_ptr<platform::DirectoryLister>()>;

// Takes what WalkDirectories takes, with a lister made for each thread, and
// adds the same directories to `tree` in another order: once sorted the index
// is the same. Progress is told from the calling thread, a few times a second,
// of a directory being listed then. Throws std::system_error, having walked
// nothing, when the threads cannot be made.
int WalkDirectoriesInParallel(const ListerMaker& make_lister, int threads,
                              const WalkOptions& options, WalkProgress& progress,
                              WalkedTree& tree);

}  // namespace vyr
