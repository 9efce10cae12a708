// The index of the drive that the drive box shows, in memory.
#pragma once

#include <string>

#include "base/string_list.h"

namespace vyr {

struct LoadedIndex {
  StringList names;  // upper-cased directory names, sorted
  StringList paths;  // full paths as stored on disk; entry k belongs to name k
  bool no_index = true;
  std::string volume_label;

  // Lets go of the lists' memory too: a scan needs it for the new index.
  void Clear() {
    StringList().swap(names);
    StringList().swap(paths);
  }
};

}  // namespace vyr
