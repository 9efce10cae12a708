#include "base/sjis.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

// ソ (0x83 0x5C) and 表 (0x95 0x5C) carry a backslash byte as second byte.
constexpr char kSo[] = "\x83\x5C";
constexpr char kHyo[] = "\x95\x5C";

TEST(IsLeadByte, RangesAndTheirEdges) {
  struct Case { unsigned char byte; bool lead; };
  const Case cases[] = {{0x40, false}, {0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false},
                        {0xA1, false}, {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false},
                        {0xFF, false}, {0x5C, false}};
  for (const Case& c : cases) EXPECT_EQ(IsLeadByte(c.byte), c.lead) << int(c.byte);
}

TEST(Trim, RemovesControlBytesAndSpacesButNotTheFullWidthSpace) {
  struct Case { std::string_view in, out; };
  const Case cases[] = {
      {"", ""},
      {"   ", ""},
      {" \t abc \r\n", "abc"},
      {std::string_view("\0abc\0", 5), "abc"},
      {"\x01\x1F\x20x\x7F", "x\x7F"},
      {"\x81\x40win\x81\x40", "\x81\x40win\x81\x40"},  // full-width space stays
      {" a b ", "a b"},
  };
  for (const Case& c : cases) EXPECT_EQ(Trim(c.in), c.out) << c.in;
}

TEST(FindChar, SecondByteOfADoubleByteCharacterIsNeverABackslash) {
  struct Case { std::string in; std::size_t backslash; };
  const Case cases[] = {
      {"abc", kNotFound},
      {"a\\b", 1},
      {kSo, kNotFound},
      {std::string(kSo) + "\\", 2},
      {std::string(kHyo) + kSo + "x\\y", 5},
      {"\\", 0},
      {"\x83", kNotFound},  // a lone lead byte at the end
  };
  for (const Case& c : cases) EXPECT_EQ(FindChar(c.in, '\\'), c.backslash) << c.in;
}

TEST(FindLastChar, TakesCharactersNotBytes) {
  EXPECT_EQ(FindLastChar("a\\b\\c", '\\'), 3u);
  EXPECT_EQ(FindLastChar(std::string("a\\") + kSo, '\\'), 1u);
  EXPECT_EQ(FindLastChar("", '\\'), kNotFound);
  EXPECT_TRUE(EndsWithChar("c:\\", '\\'));
  EXPECT_FALSE(EndsWithChar(std::string("c:\\") + kSo, '\\'));
  EXPECT_TRUE(EndsWithChar(std::string(kSo) + "\\", '\\'));
}

TEST(FindText, FirstOccurrenceThatStartsACharacter) {
  struct Case { std::string haystack, needle; std::size_t pos; };
  const Case cases[] = {
      {"C:\\WINDOWS\\SYSTEM32", "WS\\SYS", 8},
      {"ABAB", "AB", 0},
      {"XAB", "AB", 1},
      {"abc", "abcd", kNotFound},
      {"", "", 0},
      // "\x5C" inside ソ is no character: the match must not start there.
      {std::string("A") + kSo + "B", "\\B", kNotFound},
      {std::string("A") + kSo + "\\B", "\\B", 3},
      // A match may start on a lead byte.
      {std::string("X") + kSo, kSo, 1},
      // Byte pattern 0x5C 0x83 spanning two characters only counts at a start.
      {std::string(kSo) + kSo, std::string("\x5C\x83"), kNotFound},
  };
  for (const Case& c : cases) EXPECT_EQ(FindText(c.haystack, c.needle), c.pos) << c.haystack;
}

}  // namespace
}  // namespace vyr
