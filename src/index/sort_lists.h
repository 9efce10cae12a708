// Sorting the two lists of an index together.
#pragma once

#include "index/loaded_index.h"
#include "index/run_parts.h"
#include "index/walked_tree.h"

namespace vyr {

// Sorts the names by unsigned bytes, a proper beginning first, and moves every
// path with its name. Equal names stand in the order of their paths, so the
// result is the same whatever order the directories were listed in. The work
// is shared among `parts` threads; the result does not depend on how many.
void SortLists(LoadedIndex& index, int parts = SortParts());

// Fills the index's two lists with what a walk found, in the order SortLists
// gives. Each path is built once, straight into its sorted place, and what
// the tree held is let go as soon as it has been used: a scan never holds its
// index twice. Every entry of both lists ends in CR LF, as in the pair's files.
void SortWalkedTree(WalkedTree tree, LoadedIndex& index, int parts = SortParts());

}  // namespace vyr
