#include "index/sort_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>

#include "index/index_lines.h"
#include "index/path_order.h"
#include "platform/upper_case.h"

namespace vyr {
namespace {

LoadedIndex IndexOf(const std::vector<std::string>& names) {
  LoadedIndex index;
  for (std::size_t k = 0; k < names.size(); ++k) {
    index.names.push_back(names[k]);
    index.paths.push_back(std::string("p").append(std::to_string(k)));
  }
  return index;
}

std::vector<std::string> Names(const LoadedIndex& index) {
  std::vector<std::string> names;
  for (std::size_t k = 0; k < index.names.size(); ++k) names.emplace_back(index.names[k]);
  return names;
}

TEST(SortLists, UnsignedBytesAndAProperBeginningFirst) {
  LoadedIndex index = IndexOf(
      {"ABD", "\x83\x5C", "ABC", "", "ABCDEFGHIJ", "ABCDEFGHI", "Z", "ABCDEFGH", "\xB1", "AB"});
  SortLists(index);
  const std::vector<std::string> expected = {"",           "AB",  "ABC", "ABCDEFGH", "ABCDEFGHI",
                                             "ABCDEFGHIJ", "ABD", "Z",   "\x83\x5C", "\xB1"};
  EXPECT_EQ(Names(index), expected);
}

TEST(SortLists, PathsMoveWithTheirNamesAndEqualNamesGoByPath) {
  LoadedIndex index;
  for (auto [name, path] :
       {std::pair{"B", "c:\\z\\b"}, {"A", "c:\\y\\a"}, {"B", "c:\\b"}, {"A", "c:\\a"}}) {
    index.names.push_back(name);
    index.paths.push_back(path);
  }
  SortLists(index);
  const char* paths[] = {"c:\\a", "c:\\y\\a", "c:\\b", "c:\\z\\b"};
  for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(index.paths[k], paths[k]);
}

TEST(SortLists, AgreesWithAPlainStableSortOnRandomNames) {
  std::mt19937 random(7);
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) {
    std::string name(random() % 12, 'A');
    for (char& c : name) c = "AB\x83\x5C\xFF"[random() % 5];
    names.push_back(name);
  }
  LoadedIndex index = IndexOf(names);
  SortLists(index);

  std::vector<std::size_t> order(names.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  // Paths "p<k>" order equal names as strings, not as numbers.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (names[a] != names[b]) return names[a] < names[b];
    return std::to_string(a) < std::to_string(b);
  });
  for (std::size_t k = 0; k < order.size(); ++k) {
    ASSERT_EQ(index.names[k], names[order[k]]) << k;
    ASSERT_EQ(index.paths[k], std::string("p").append(std::to_string(order[k]))) << k;
  }
}

TEST(SortLists, NothingToDoForFewerThanTwo) {
  LoadedIndex empty;
  SortLists(empty);
  EXPECT_EQ(empty.names.size(), 0u);
  LoadedIndex one = IndexOf({"X"});
  SortLists(one);
  EXPECT_EQ(one.paths[0], "p0");
}

// A scan sorts the tree its walk found, building each path in its place: the
// lists, and the files they are, must be those that sorting the walked names
// and paths gives.
TEST(SortWalkedTree, GivesTheListsThatSortingTheWalkedEntriesGives) {
  for (const int size : {0, 1, 4000}) {
    std::mt19937 random(static_cast<unsigned>(size));
    WalkedTree tree("c:\\");
    for (int k = 0; k < size; ++k) {
      // Few and short names, in both cases: many equal names, many proper beginnings.
      std::string name(1 + random() % 3, 'a');
      for (char& c : name) c = "aAb"[random() % 3];
      if (random() % 9 == 0) name = "\x83\x5C" + name;  // a second byte that is "\"
      const std::uint32_t parent = k == 0 || random() % 6 == 0
                                       ? WalkedTree::kRoot
                                       : static_cast<std::uint32_t>(random() % k);
      tree.Add(parent, name, UpperCase(name));
    }
    LoadedIndex walked;
    for (std::size_t k = 0; k < tree.size(); ++k) {
      walked.names.push_back(tree.upper_name(k));
      walked.paths.push_back(tree.Path(k));
    }
    SortLists(walked);

    LoadedIndex index;
    SortWalkedTree(tree, index);
    ASSERT_EQ(index.paths.size(), walked.paths.size());
    for (std::size_t k = 0; k < index.paths.size(); ++k) {
      ASSERT_EQ(index.names[k], walked.names[k]) << k;
      ASSERT_EQ(index.paths[k], walked.paths[k]) << k;
    }
    std::string joined;
    EXPECT_EQ(FileText(index.names, joined), JoinLines(walked.names));
    EXPECT_EQ(FileText(index.paths, joined), JoinLines(walked.paths));
  }
}

// Names and paths the sort finds hard: many equal names, which go by path;
// names and paths sharing their first bytes past one and two eight-byte keys;
// Shift-JIS first and second bytes, a second byte 0x5C among them; 0xFF; and
// empty names.
std::string GeneratedName(std::mt19937& random) {
  static const char* const pieces[] = {"",         "a",        "A",        "Ab",       "abcdefg",
                                       "ABCDEFGH", "\x83\x5C", "\x95\x5C", "\x81\x40", "\xE0\x9F",
                                       "\xFC\xFC", "\xFF",     ".",        "0",        "z"};
  std::string name;
  for (int count = static_cast<int>(random() % 4); count > 0; --count) {
    name += pieces[random() % std::size(pieces)];
  }
  return name;
}

// A tree of `size` directories as a walk adds them, deep chains and wide
// directories both, and the lists a plain stable sort of its upper-cased
// names and full paths gives.
struct GeneratedTree {
  WalkedTree tree{"c:\\"};
  LoadedIndex walked;  // in the walk's order
  std::vector<std::string> names;
  std::vector<std::string> paths;
};

// On a drive, the names in one directory differ in more than case: there
// the tree tells the order of the paths by itself.
GeneratedTree MakeTree(int size, unsigned seed, bool drive_names = false) {
  std::mt19937 random(seed);
  GeneratedTree made;
  std::set<std::pair<std::uint32_t, std::string>> taken;
  for (int k = 0; k < size; ++k) {
    std::string name = GeneratedName(random);
    std::uint32_t parent = WalkedTree::kRoot;
    if (k > 0 && random() % 8 != 0) {
      parent = static_cast<std::uint32_t>(random() % 2 ? k - 1 : random() % k);
    }
    if (drive_names && !taken.insert({parent, UpperCase(name)}).second) {
      name += std::to_string(k);  // a name that begins with another's
      taken.insert({parent, UpperCase(name)});
    }
    made.tree.Add(parent, name, UpperCase(name));
  }
  std::vector<std::size_t> order(made.tree.size());
  for (std::size_t k = 0; k < order.size(); ++k) {
    made.walked.names.push_back(made.tree.upper_name(k));
    made.walked.paths.push_back(made.tree.Path(k));
    order[k] = k;
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const std::string_view name_a = made.tree.upper_name(a);
    const std::string_view name_b = made.tree.upper_name(b);
    if (name_a != name_b) return name_a < name_b;
    return made.tree.Path(a) < made.tree.Path(b);
  });
  for (const std::size_t k : order) {
    made.names.emplace_back(made.tree.upper_name(k));
    made.paths.push_back(made.tree.Path(k));
  }
  return made;
}

void ExpectLists(const LoadedIndex& index, const GeneratedTree& made) {
  ASSERT_EQ(index.names.size(), made.names.size());
  ASSERT_EQ(index.paths.size(), made.paths.size());
  for (std::size_t k = 0; k < made.names.size(); ++k) {
    ASSERT_EQ(index.names[k], made.names[k]) << k;
    ASSERT_EQ(index.paths[k], made.paths[k]) << k;
  }
  std::string joined;
  EXPECT_EQ(FileText(index.names, joined), JoinLines(index.names));
  EXPECT_EQ(FileText(index.paths, joined), JoinLines(index.paths));
}

// Both sorts, on one thread or several, give what a plain stable sort by
// name and then path gives.
TEST(SortWalkedTree, BothSortsAgreeWithAPlainSortOnEveryNumberOfParts) {
  for (const bool drive_names : {false, true})
    for (const int size : {0, 1, 2, 3, 6000}) {
      const GeneratedTree made = MakeTree(size, static_cast<unsigned>(size) + 3, drive_names);
      if (drive_names) {
        ASSERT_TRUE(FindPathOrder(made.tree, 1).has_value());
      }
      for (const int parts : {1, 2, 3}) {
        SCOPED_TRACE(testing::Message() << size << " directories, " << parts << " parts"
                                        << (drive_names ? ", a drive's names" : ""));
        LoadedIndex index;
        SortWalkedTree(made.tree, index, parts);
        ExpectLists(index, made);
        LoadedIndex lists = made.walked;
        SortLists(lists, parts);
        ExpectLists(lists, made);
      }
    }
}

}  // namespace
}  // namespace vyr
