#include "platform/upper_case.h"

#include <gtest/gtest.h>

#include <string>

namespace vyr {
namespace {

TEST(UpperCase, AsciiAndCodePage932Letters) {
  struct Case { std::string in, out; };
  const Case cases[] = {
      {"", ""},
      {"program files", "PROGRAM FILES"},
      {"a-z_0.9{}`", "A-Z_0.9{}`"},
      {"\x82\x81\x82\x9A", "\x82\x60\x82\x79"},  // ａｚ become ＡＺ
      {"\x83\x61", "\x83\x61"},                  // ラ: its second byte 0x61 stays
      {"\xB1\xB2", "\xB1\xB2"},                  // half-width katakana have no case
      {"\x83\xBF", "\x83\x9F"},                  // α becomes Α
      {"\x84\x70", "\x84\x40"},                  // а (Cyrillic) becomes А
      {"x\x83\x5Cy", "X\x83\x5CY"},              // ソ between letters
      {"\xEE\xEF", "\x87\x54"},                  // small roman numeral one
  };
  for (const Case& c : cases) EXPECT_EQ(UpperCase(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace vyr
