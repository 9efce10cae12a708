#include "jump/completion.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

using V = std::vector<std::string>;

struct Case {
  std::string text;
  std::size_t start, length;
  std::string typed;
  V entries;
  std::optional<Completed> result;
};

void Check(const Case& c) {
  EXPECT_EQ(Complete(c.text, c.start, c.length, c.typed, c.entries), c.result)
      << "text \"" << c.text << "\" typed \"" << c.typed << "\"";
}

const V kWin{"win32", "windows"};

TEST(Complete, FirstEntryBeginningWithTheTextSoFar) {
  const Case cases[] = {
      {"", 0, 0, "w", kWin, Completed{"win32", 1, 4, 0}},
      {"win", 3, 0, "d", kWin, Completed{"windows", 4, 3, 1}},
      {"", 0, 0, "W", kWin, Completed{"Win32", 1, 4, 0}},  // the case typed stays
      {"WIN", 3, 0, "D", kWin, Completed{"WINDows", 4, 3, 1}},
      {"win3", 4, 0, "2", kWin, Completed{"win32", 5, 0, 0}},  // a whole entry: nothing left
      {"win32", 5, 0, "x", kWin, std::nullopt},
      {"", 0, 0, "x", kWin, std::nullopt},
      {"", 0, 0, "w", {}, std::nullopt},
      {"", 0, 0, "@", {"`a"}, std::nullopt},  // only letters fold: @ and ` differ
      {"", 0, 0, "[", {"{a"}, std::nullopt},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Complete, TheSelectionIsReplacedByTheKey) {
  const Case cases[] = {
      // As left by an earlier completion: the rest is selected.
      {"win32", 1, 4, "i", kWin, Completed{"win32", 2, 3, 0}},
      {"win32", 3, 2, "d", kWin, Completed{"windows", 4, 3, 1}},
      {"windows", 0, 7, "w", kWin, Completed{"win32", 1, 4, 0}},
      {"win32", 1, 4, "x", kWin, std::nullopt},
      // Without a selection the key goes to the end, wherever the caret is.
      {"wi", 0, 0, "n", kWin, Completed{"win32", 3, 2, 0}},
      // A selection past the end is clamped to it.
      {"wi", 9, 3, "n", kWin, Completed{"win32", 3, 2, 0}},
      {"wi", std::string::npos, std::string::npos, "n", kWin, Completed{"win32", 3, 2, 0}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Complete, KeysThatNeverCompleteAndPartialCharacters) {
  const V tabbed{"a\tb", "a\x08", "a\x1B"};
  const Case cases[] = {
      {"a", 1, 0, "\x08", tabbed, std::nullopt},
      {"a", 1, 0, "\x09", tabbed, std::nullopt},
      {"a", 1, 0, "\x1B", tabbed, std::nullopt},
      {"a", 1, 0, "", tabbed, std::nullopt},
      {"", 0, 0, "\x83", {"\x83\x5C"}, std::nullopt},  // half of ソ
      {"", 0, 0, "ab", {"abc"}, std::nullopt},         // two characters
      {"", 0, 0, "\x83\x5C" "a", {"\x83\x5C" "ab"}, std::nullopt},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Complete, DoubleByteCharactersAreComparedWhole) {
  const std::string so = "\x83\x5C";            // ソ
  const std::string hyo = "\x95\x5C";           // 表
  const std::string full_a = "\x82\x60";        // Ａ
  const std::string full_lower_a = "\x82\x81";  // ａ
  const std::string ka = "\x83\x4A";            // カ: second byte J
  const std::string ni = "\x83\x6A";            // ニ: second byte j
  const Case cases[] = {
      {"", 0, 0, so, {hyo + "x", so + "dir"}, Completed{so + "dir", 2, 3, 1}},
      {so, 2, 0, "d", {so + "dir"}, Completed{so + "dir", 3, 2, 0}},
      {"", 0, 0, full_a, {full_lower_a + "b"}, std::nullopt},  // full-width letters do not fold
      {"", 0, 0, ka, {ni + "x"}, std::nullopt},                // nor do second bytes
      {"x", 1, 0, ka, {"X" + ka + "y"}, Completed{"x" + ka + "y", 3, 1, 0}},
      // A selection starting on a second byte starts at its character.
      {so + "ab", 1, 3, so, {so + "z"}, Completed{so + "z", 2, 1, 0}},
      {"a" + so, 2, 1, "b", {"abc"}, Completed{"abc", 2, 1, 0}},
      // A lead byte left alone at the end of the box does not crash the search.
      {"a\x83", 2, 0, "x", {"a\x83xy"}, Completed{"a\x83xy", 3, 1, 0}},
  };
  for (const Case& c : cases) Check(c);
}

}  // namespace
}  // namespace vyr
