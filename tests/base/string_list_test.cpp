#include "base/string_list.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

TEST(StringList, KeepsEntriesInInsertionOrderWithEmptyOnesAndDuplicates) {
  StringList list;
  EXPECT_TRUE(list.empty());
  for (std::string_view entry : {"b", "", "a", "b"}) list.push_back(entry);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0], "b");
  EXPECT_EQ(list[1], "");
  EXPECT_EQ(list[2], "a");
  EXPECT_EQ(list[3], "b");
  EXPECT_EQ(list.bytes(), "bab");
  list.clear();
  EXPECT_EQ(list.size(), 0u);
}

TEST(StringList, AdoptedBufferMayHoldBytesPastTheLastEntry) {
  StringList list;
  list.Adopt(std::string("abcXYZ"), {0, 1, 3});
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1], "bc");
  list.push_back("d");
  EXPECT_EQ(list[2], "d");
  EXPECT_EQ(list.bytes(), "abcd");
  EXPECT_THROW(list.Adopt(std::string("ab"), {0, 3}), std::invalid_argument);
  EXPECT_THROW(list.Adopt(std::string("ab"), {}), std::invalid_argument);
}

}  // namespace
}  // namespace vyr
