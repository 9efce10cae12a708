#include "jump/macro_expansion.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

struct Case {
  std::string parameters, directory, input, expanded;
};

void ExpectExpansions(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandParameters(c.parameters, c.directory, c.input), c.expanded)
        << c.parameters << " | " << c.directory << " | " << c.input;
  }
}

TEST(ExpandParameters, EachMacro) {
  ExpectExpansions({
      {"", "c:\\", "abc", ""},
      {"plain", "c:\\", "abc", "plain"},
      {"%s\\", "c:\\WINDOWS", "", "c:\\WINDOWS\\"},
      {"/e, %s\\", "c:\\Program Files", "", "/e, c:\\Program Files\\"},
      {"%wsearch%w %d", "", "abc", "\"search\" abc"},
      {"%e", "", "a b&c/", "a+b%26c%2F"},
      {"%u", "", "\x82\xA0 a", "%E3%81%82%20a"},              // あ a
      {"%x", "", "\x8A\xBF\x8E\x9A", "%B4%C1%BB%FA"},         // 漢字
      {"%j", "", "\x8A\xBF\x8E\x9A", "4A%3Bz"},
      {"%e %u %x %j", "", "\xB6\xDE",                          // ｶﾞ: only EUC and JIS widen
       "%B6%DE %EF%BD%B6%EF%BE%9E %A5%AC %25%2C"},
      {"%d|%e|%u|%x|%j", "", "", "||||"},
  });
}

TEST(ExpandParameters, WhatIsNoMacro) {
  ExpectExpansions({
      {"%S %D %W %a", "dir", "in", "%S %D %W %a"},
      {"%", "dir", "in", "%"},
      {"100%", "dir", "in", "100%"},
      {"%%s", "c:\\", "in", "%c:\\"},  // no escape: "%" then the macro
      {"\x83\x5C%s", "dir", "in", "\x83\x5C" "dir"},  // ソ: a "%" is never a second byte
  });
}

TEST(ExpandParameters, EveryOccurrenceLeftToRight) {
  ExpectExpansions({
      {"%d%d%d", "", "ab", "ababab"},
      {"%dd%d", "", "ab", "abdab"},
      {"%w%w", "", "", "\"\""},
      {"%s %d %s", "c:\\x", "y", "c:\\x y c:\\x"},
  });
}

TEST(ExpandParameters, LaterPassesSeeWhatEarlierOnesInserted) {
  ExpectExpansions({
      {"%s", "c:\\%d", "abc", "c:\\abc"},        // the directory receives the input
      {"%s", "a%wb%sc", "in", "a%wb%sc"},       // but not what came before it
      {"%d", "dir", "%d%s%w", "%d%s%w"},
      {"%d", "dir", "%e", "%25e"},               // the input's own "%e" is a macro for %e
      {"%%s", "x", "ab", "ab"},                  // "%" and "x" make the EUC macro
      {"%w", "", "", "\""},
      {"%s", "%", "in", "%"},
      {"%sd", "%", "in", "in"},                  // a "%" left by %s pairs with "d"
  });
}

TEST(ExpandParameters, LongLinesComeBackWhole) {
  std::string parameters;
  for (int k = 0; k < 1000; ++k) parameters += "%d ";
  const std::string input(300, 'x');
  const std::string expanded = ExpandParameters(parameters, "", input);
  EXPECT_EQ(expanded.size(), 1000u * 301u);
  EXPECT_EQ(expanded.substr(0, 302), input + " x");
}

}  // namespace
}  // namespace vyr
