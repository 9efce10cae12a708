#include "index/index_lines.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

std::vector<std::string> Lines(std::string content) {
  const StringList list = SplitLines(std::move(content));
  std::vector<std::string> lines;
  for (std::size_t k = 0; k < list.size(); ++k) lines.emplace_back(list[k]);
  return lines;
}

TEST(SplitLines, EveryLineEndAndTheLastLineWithout) {
  using V = std::vector<std::string>;
  struct Case { std::string content; V lines; };
  const Case cases[] = {
      {"", V{}},
      {"A\r\nB\r\n", V{"A", "B"}},
      {"A\nB\n", V{"A", "B"}},
      {"A\rB\r", V{"A", "B"}},
      {"A\r\nB\nC\rD", V{"A", "B", "C", "D"}},
      {"A\r\nB", V{"A", "B"}},
      {"\r\n", V{""}},
      {"\n\r", V{"", ""}},  // LF then a lone CR: two empty lines
      {"A\r\r\nB", V{"A", "", "B"}},
      {std::string("A\r\nB\0C\r\nD\r\n", 11), V{"A", "B"}},  // NUL ends the content
      {std::string("\0A\r\n", 4), V{}},
      {"\x83\x5C\r\n\x95\x5C", V{"\x83\x5C", "\x95\x5C"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(c.content), c.lines) << c.content;
}

TEST(SplitLines, VeryLongLineStaysWhole) {
  const std::string line(1 << 20, 'X');
  const auto lines = Lines(line + "\r\nY");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], line);
}

TEST(JoinLines, EveryEntryEndsWithCrLf) {
  StringList list;
  EXPECT_EQ(JoinLines(list), "");
  list.push_back("A");
  list.push_back("\x83\x5C");
  EXPECT_EQ(JoinLines(list), "A\r\n\x83\x5C\r\n");
  EXPECT_EQ(JoinLines(SplitLines(JoinLines(list))), JoinLines(list));
}

}  // namespace
}  // namespace vyr
