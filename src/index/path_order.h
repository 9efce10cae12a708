// The walked directories in the order of their full paths, found from the
// tree without building a single path: the tree is walked with each
// directory's children in order of name.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "index/walked_tree.h"

namespace vyr {

// The directories' numbers in the order of their full paths by unsigned
// bytes. Where the names keep the tree from telling it (two children of one
// directory with the same name, or a child whose name is another's followed
// by "\" and more, neither of which a real drive holds), there is none. The
// walk is shared among `parts` threads.
std::optional<std::vector<std::uint32_t>> FindPathOrder(const WalkedTree& tree, int parts);

}  // namespace vyr
