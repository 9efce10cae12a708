// What every walk of a drive takes and what it does not enter: one set of
// rules for the walk on one thread and the walk on several.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "index/directory_walk.h"
#include "platform/directory_lister.h"

namespace vyr {

// A directory entry that goes into the index: a directory, not "." or "..",
// and no system directory when those are skipped.
bool IsWalkedChild(std::string_view name, std::uint32_t attributes, const WalkOptions& options);

// True when the link at `path` (no trailing "\") leads to one of the
// directories that hold it, so that entering it would never end.
bool LeadsBackUp(const std::string& path, platform::DirectoryLister& lister);

}  // namespace vyr
