// What every walk of a drive takes and what it does not enter: one set of
// rules for the walk on one thread and the walk on several.
#pragma once

#include <string>
#include <vector>

#include "index/directory_walk.h"
#include "platform/directory_lister.h"

namespace vyr {

struct WalkedChild {
  std::string name;
  std::string upper_name;  // as the name list holds it
  bool is_link;
};

// Appends the children of the directory `path` (ending in "\") that go into
// the index, in the platform's order: directories, not "." or "..", and no
// system directory when those are skipped. One that cannot be listed has none.
void ListWalkedChildren(platform::DirectoryLister& lister, const std::string& path,
                        const WalkOptions& options, std::vector<WalkedChild>& children);

// True when the link at `path` (no trailing "\") leads to one of the
// directories that hold it, so that entering it would never end.
bool LeadsBackUp(const std::string& path, platform::DirectoryLister& lister);

}  // namespace vyr
