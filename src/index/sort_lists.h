// Sorting the two lists of an index together.
#pragma once

#include "index/loaded_index.h"

namespace vyr {

// Sorts the names by unsigned bytes, a proper beginning first, and moves every
// path with its name. Equal names keep the order in which they were found.
void SortLists(LoadedIndex& index);

}  // namespace vyr
