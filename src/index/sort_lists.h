// Sorting the two lists of an index together.
#pragma once

#include "index/loaded_index.h"

namespace vyr {

// Sorts the names by unsigned bytes, a proper beginning first, and moves every
// path with its name. Equal names stand in the order of their paths, so the
// result is the same whatever order the directories were listed in.
void SortLists(LoadedIndex& index);

}  // namespace vyr
