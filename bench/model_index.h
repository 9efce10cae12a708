// The index a scan of the generated tree gives, made without the tree.
#pragma once

#include "index/loaded_index.h"
#include "index/walked_tree.h"
#include "tree_model.h"

namespace vyr::bench {

// Fills `tree` (rooted at drive `letter`) with every directory of the
// generated tree in walk order, as a walk would: names in Shift-JIS.
TreeStats BuildModelTree(const TreeShape& shape, char letter, WalkedTree& tree);

// The index a scan leaves: the model tree, sorted.
TreeStats BuildSortedModelIndex(const TreeShape& shape, char letter, LoadedIndex& index);

}  // namespace vyr::bench
