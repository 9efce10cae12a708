// The index a scan of the generated tree gives, made without the tree.
#pragma once

#include "index/loaded_index.h"
#include "tree_model.h"

namespace vyr::bench {

// Fills `index` with every directory of the tree in walk order, as drive
// `letter`: names upper-cased, paths in Shift-JIS. Not sorted.
TreeStats BuildModelIndex(const TreeShape& shape, char letter, LoadedIndex& index);

// The same, sorted as a scan leaves it.
TreeStats BuildSortedModelIndex(const TreeShape& shape, char letter, LoadedIndex& index);

}  // namespace vyr::bench
