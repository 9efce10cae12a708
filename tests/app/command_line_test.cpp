#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

using V = std::vector<std::string>;

TEST(SplitCommandLine, BlanksQuotesAndEmptyArguments) {
  struct Case { std::string_view line; V args; };
  const Case cases[] = {
      {"", {}},
      {" \t\r\n", {}},
      {"vyr.exe", {"vyr.exe"}},
      {"  vyr.exe   /d\tE  ", {"vyr.exe", "/d", "E"}},
      {"\"C:\\Program Files\\vyr.exe\" /i x", {"C:\\Program Files\\vyr.exe", "/i", "x"}},
      {"a \"b c\"d e", {"a", "b cd", "e"}},
      {"\"a\"\"b\"", {"ab"}},
      {"a \"\" b", {"a", "", "b"}},
      {"\"\"", {""}},
      {"a \"", {"a", ""}},        // an unclosed quote runs to the end
      {"a \"\t\"", {"a", "\t"}},  // control bytes stay inside quotes
      {std::string_view("a\0b\x1F" "c\x7F", 6), {"a", "b", "c\x7F"}},
      // 表 and ソ end in 0x5C, 丶 in 0x41: second bytes are not separators.
      {"\x95\x5C \"\x83\x5C \x81\x41\"", {"\x95\x5C", "\x83\x5C \x81\x41"}},
      {"\x81\x40", {"\x81\x40"}},  // the full-width space joins, not splits
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(IsSwitch, SlashOrDashAndTheLetterInEitherCase) {
  struct Case { std::string_view arg; bool d; };
  const Case cases[] = {
      {"/d", true}, {"-d", true}, {"/D", true}, {"-D", true},
      {"/de", false}, {"d", false}, {"/", false}, {"", false}, {"//d", false},
      {"\\d", false}, {"/e", false}, {" /d", false}, {"/d ", false},
      {"/\x82\x63", false},  // the full-width Ｄ is not the letter
  };
  for (const Case& c : cases) EXPECT_EQ(IsSwitch(c.arg, 'd'), c.d) << c.arg;
  EXPECT_TRUE(IsSwitch("/d", 'D'));
}

StartupOptions Options(std::optional<std::string> path, std::optional<char> drive, bool one_shot,
                       int command, bool scan, std::string drives) {
  return {std::move(path), drive, one_shot, command, scan, std::move(drives)};
}

TEST(ParseCommandLine, EachSwitchAndItsValue) {
  const auto none = std::nullopt;
  struct Case { V args; StartupOptions options; };
  const Case cases[] = {
      {{}, {}},
      {{"vyr.exe"}, {}},
      {{"vyr.exe", "/i", "C:\\a b\\vyr.ini"}, Options("C:\\a b\\vyr.ini", none, false, 0, false, "")},
      {{"vyr.exe", "/d", "E"}, Options(none, 'E', false, 0, false, "")},
      {{"vyr.exe", "-d", "E"}, Options(none, 'E', false, 0, false, "")},
      {{"vyr.exe", "/D", "e"}, Options(none, 'e', false, 0, false, "")},
      {{"vyr.exe", "-D", "E:\\x"}, Options(none, 'E', false, 0, false, "")},
      {{"vyr.exe", "/dE"}, {}},
      {{"vyr.exe", "/o", "1"}, Options(none, none, true, 1, false, "")},
      {{"vyr.exe", "/s", "EF", "/o", "0"}, Options(none, none, true, 0, true, "EF")},
      {{"vyr.exe", "/s"}, Options(none, none, false, 0, true, "")},
      {{"vyr.exe", "/i", "a", "/d", "c", "/o", "2", "/s", "CD"},
       Options("a", 'c', true, 2, true, "CD")},
      {{"vyr.exe", "x", "/d", "f", "y"}, Options(none, 'f', false, 0, false, "")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseCommandLine(c.args), c.options) << ::testing::PrintToString(c.args);
  }
}

TEST(ParseCommandLine, AValueIsTestedForTheLaterSwitchesOfTheSameStep) {
  const auto none = std::nullopt;
  struct Case { V args; StartupOptions options; };
  const Case cases[] = {
      {{"vyr.exe", "/i", "/s", "EF"}, Options("/s", none, false, 0, true, "EF")},
      {{"vyr.exe", "/i", "/d", "E"}, Options("/d", 'E', false, 0, false, "")},
      {{"vyr.exe", "/d", "/o", "3"}, Options(none, none, true, 3, false, "")},
      // Only later switches: the /i taken as /d's value is not read as /i.
      {{"vyr.exe", "/d", "/i", "x"}, {}},
      {{"vyr.exe", "/o", "/s", "C"}, Options(none, none, true, kNoCommand, true, "C")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseCommandLine(c.args), c.options) << ::testing::PrintToString(c.args);
  }
}

TEST(ParseCommandLine, MissingOrUnusableValuesGiveSafeReadings) {
  const auto none = std::nullopt;
  struct Case { V args; StartupOptions options; };
  const Case cases[] = {
      {{"vyr.exe", "/i"}, {}},  // the default settings file stays
      {{"vyr.exe", "/i", ""}, {}},
      {{"vyr.exe", "/i", "a", "/i"}, Options("a", none, false, 0, false, "")},
      {{"vyr.exe", "/d"}, {}},
      {{"vyr.exe", "/d", ""}, {}},
      {{"vyr.exe", "/d", "1"}, {}},
      {{"vyr.exe", "/d", "\x82\x60"}, {}},  // Ａ is not a drive letter
      {{"vyr.exe", "/d", "e", "/d", "?"}, Options(none, 'e', false, 0, false, "")},
      {{"vyr.exe", "/s", ""}, Options(none, none, false, 0, true, "")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseCommandLine(c.args), c.options) << ::testing::PrintToString(c.args);
  }
}

TEST(ParseCommandLine, CommandNumberIsDecimalOrNoCommandAtAll) {
  struct Case { std::string value; int command; };
  const Case cases[] = {
      {"0", 0}, {"7", 7}, {"007", 7}, {"+5", 5}, {"-5", -5},
      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
      {"2147483648", kNoCommand}, {"-2147483649", kNoCommand},
      {"99999999999999999999999", kNoCommand},
      {"", kNoCommand}, {"abc", kNoCommand}, {"1x", kNoCommand}, {"0x1F", kNoCommand},
      {"+", kNoCommand}, {"-", kNoCommand}, {"+-1", kNoCommand}, {" 1", kNoCommand},
      {"\x82\x4F", kNoCommand},  // the full-width 0
  };
  for (const Case& c : cases) {
    const StartupOptions options = ParseCommandLine({"vyr.exe", "/o", c.value});
    EXPECT_TRUE(options.one_shot) << c.value;
    EXPECT_EQ(options.current_command, c.command) << c.value;
  }
  const StartupOptions last = ParseCommandLine({"vyr.exe", "/o"});
  EXPECT_TRUE(last.one_shot);
  EXPECT_EQ(last.current_command, kNoCommand);
}

}  // namespace
}  // namespace vyr
