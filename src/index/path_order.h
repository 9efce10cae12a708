// The walked directories in the order of their full paths, found from the
// tree without building a single path: each directory's children are put in
// order of name, and the tree is walked in that order.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "index/walked_tree.h"

namespace vyr {

// The directories' numbers in the order of their full paths by unsigned bytes. Where the names
// keep the tree from telling it (two children of one directory with the same
// name, or a child whose name is another's followed by "\" and more, neither
// of which a real drive holds), there is none. `room` is memory that the
// caller writes over afterwards: where it is large enough, the ordering of
// the names is done there.
std::optional<std::vector<std::uint32_t>> FindPathOrder(const WalkedTree& tree, int parts,
                                                        std::span<char> room = {});

}  // namespace vyr
