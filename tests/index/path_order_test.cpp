#include "index/path_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "platform/upper_case.h"

namespace vyr {
namespace {

struct Directory {
  int parent;  // -1: the root
  const char* name;
};

WalkedTree TreeOf(const std::vector<Directory>& directories) {
  WalkedTree tree("c:\\");
  for (const Directory& directory : directories) {
    const auto parent =
        directory.parent < 0 ? WalkedTree::kRoot : static_cast<std::uint32_t>(directory.parent);
    tree.Add(parent, directory.name, UpperCase(directory.name));
  }
  return tree;
}

std::vector<std::uint32_t> SortedByPath(const WalkedTree& tree) {
  std::vector<std::uint32_t> order(tree.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(),
            [&](std::uint32_t a, std::uint32_t b) { return tree.Path(a) < tree.Path(b); });
  return order;
}

// A sibling's name that begins with another's goes on with a byte below
// "\" (" ", "2", "-"), so that it comes between that one's path and the
// paths below it, or above it ("_", "a", a Shift-JIS first byte); the paths
// below such names wait for one another, longest name first.
TEST(FindPathOrder, GivesTheOrderOfTheFullPaths) {
  const std::vector<std::vector<Directory>> trees = {
      {},
      {{-1, "b"}, {-1, "a"}, {0, "x"}, {1, "y"}},
      {{-1, "data"},
       {0, "x"},
       {-1, "data2"},
       {2, "y"},
       {-1, "data 2"},
       {4, "z"},
       {-1, "data_old"},
       {6, "w"},
       {-1, "dat"},
       {8, "v"}},
      {{-1, "a"},
       {0, "a"},
       {1, "a"},
       {0, "ab"},
       {3, "a b"},
       {4, "q"},
       {0, "a b"},
       {6, "r"},
       {-1, "ab"},
       {-1, "a b"},
       {9, "s"}},
      {{-1, "\x83\x5C"},
       {0, "\x95\x5C"},
       {-1, "\x83"},
       {-1, "\x83\x40"},
       {3, "\x81\x40"},
       {-1, "\xFF"},
       {-1, ""},
       {6, "e"}},
  };
  for (const auto& directories : trees) {
    const WalkedTree tree = TreeOf(directories);
    for (const int parts : {1, 2}) {
      const auto order = FindPathOrder(tree, parts);
      ASSERT_TRUE(order.has_value());
      EXPECT_EQ(*order, SortedByPath(tree)) << directories.size() << " directories";
    }
  }
}

// Two siblings of one name, or a sibling named as another with children
// followed by "\" and more: the paths below the two interleave, which the
// tree cannot tell.
TEST(FindPathOrder, NoneWhereTheNamesInterleaveThePaths) {
  const std::vector<std::vector<Directory>> trees = {
      {{-1, "a"}, {-1, "a"}},
      {{-1, "x"}, {0, "a"}, {0, "a"}},
      {{-1, "a"}, {0, "b"}, {-1, "a\\c"}},
      {{-1, "x"}, {0, "y"}, {1, "z"}, {2, "a"}, {3, "b"}, {2, "a\\c"}},  // far down
  };
  for (const auto& directories : trees) {
    EXPECT_FALSE(FindPathOrder(TreeOf(directories), 1).has_value()) << directories.size();
  }
}

}  // namespace
}  // namespace vyr
