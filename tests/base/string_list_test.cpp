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
  EXPECT_EQ(list.EntryBytes(), 3u);
  list.clear();
  EXPECT_EQ(list.size(), 0u);
}

TEST(StringList, AdoptedBufferMayHoldBytesPastTheLastEntry) {
  StringList list;
  list.Adopt(ByteBuffer("abcXYZ"), {0, 1, 3});
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1], "bc");
  list.push_back("d");
  EXPECT_EQ(list[2], "d");
  EXPECT_EQ(list.EntryBytes(), 4u);
}

TEST(StringList, AdoptedEntriesLeaveOutTheirSeparator) {
  StringList list;
  list.Adopt(ByteBuffer("A\r\n\r\nBC\r\n"), {0, 3, 5, 9}, "\r\n");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], "A");
  EXPECT_EQ(list[1], "");
  EXPECT_EQ(list[2], "BC");
  EXPECT_EQ(list.EntryBytes(), 3u);
  list.push_back("D");  // keeps the adopted form
  EXPECT_EQ(list[3], "D");
  StringList copy = list;
  list.clear();
  list.push_back("E");
  EXPECT_EQ(list[0], "E");
  EXPECT_EQ(copy[3], "D");
}

TEST(StringList, AnEntryOfItsOwnCanBeAddedAgain) {
  StringList list;
  list.push_back("first entry");
  for (int k = 0; k < 100; ++k) list.push_back(list[static_cast<std::size_t>(k)]);
  EXPECT_EQ(list.size(), 101u);
  EXPECT_EQ(list[100], "first entry");
}

TEST(StringList, AdoptRefusesOffsetsThatDoNotFit) {
  struct Case { const char* why; std::string_view bytes; std::vector<std::uint32_t> offsets;
                std::string_view separator; };
  const Case cases[] = {
      {"past the end", "ab", {0, 3}, ""},
      {"no offsets", "ab", {}, ""},
      {"not from 0", "ab", {1, 2}, ""},
      {"shorter than the separator", "a\r\n", {0, 1, 3}, "\r\n"},
  };
  for (const Case& c : cases) {
    StringList list;
    std::vector<std::uint32_t> offsets = c.offsets;
    EXPECT_THROW(list.Adopt(ByteBuffer(c.bytes), std::move(offsets), c.separator),
                 std::invalid_argument) << c.why;
    EXPECT_TRUE(list.empty()) << c.why;
  }
}

}  // namespace
}  // namespace vyr
