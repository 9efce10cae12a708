#include "jump/completion.h"

#include <gtest/gtest.h>

#include <vector>

namespace vyr {
namespace {

using V = std::vector<std::string>;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A stand-in for the combo box's search, which the platform does: the first
// entry that begins with the prefix, ASCII letters compared without case.
// (How the real search folds is tested against the real box, under Wine.)
FindInList SearchOf(const V& entries) {
  return [entries](std::string_view prefix) -> std::optional<ListEntry> {
    for (std::size_t k = 0; k < entries.size(); ++k) {
      const std::string& entry = entries[k];
      if (entry.size() < prefix.size()) continue;
      bool same = true;
      for (std::size_t i = 0; i < prefix.size() && same; ++i) {
        same = LowerAscii(entry[i]) == LowerAscii(prefix[i]);
      }
      if (same) return ListEntry{k, entry};
    }
    return std::nullopt;
  };
}

struct Case {
  std::string text;
  std::size_t start, length;
  std::string typed;
  V entries;
  std::optional<Completed> result;
};

void Check(const Case& c) {
  EXPECT_EQ(Complete(c.text, c.start, c.length, c.typed, SearchOf(c.entries)), c.result)
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

TEST(Complete, DoubleByteCharactersAreTakenWhole) {
  const std::string so = "\x83\x5C";   // ソ
  const std::string hyo = "\x95\x5C";  // 表
  const std::string ka = "\x83\x4A";   // カ: second byte J
  const Case cases[] = {
      {"", 0, 0, so, {hyo + "x", so + "dir"}, Completed{so + "dir", 2, 3, 1}},
      {so, 2, 0, "d", {so + "dir"}, Completed{so + "dir", 3, 2, 0}},
      {"x", 1, 0, ka, {"X" + ka + "y"}, Completed{"x" + ka + "y", 3, 1, 0}},
      // A selection starting on a second byte starts at its character.
      {so + "ab", 1, 3, so, {so + "z"}, Completed{so + "z", 2, 1, 0}},
      {"a" + so, 2, 1, "b", {"abc"}, Completed{"abc", 2, 1, 0}},
      // A lead byte left alone at the end of the box does not crash the search.
      {"a\x83", 2, 0, "x", {"a\x83xy"}, Completed{"a\x83xy", 3, 1, 0}},
  };
  for (const Case& c : cases) Check(c);
}

// The platform's search may match a character of another width or form (a
// full-width letter in the other case, say): the rest of the entry starts
// after as many characters as were typed, and a search that answers an entry
// shorter than the text typed completes nothing.
TEST(Complete, TheRestStartsAfterTheMatchedCharacters) {
  const std::string full_z = "\x82\x79";        // Ｚ
  const std::string full_lower_z = "\x82\x9A";  // ｚ
  const std::string zen = "\x91\x53";           // 全
  struct Answer {
    std::string typed;
    std::string entry;
    std::optional<Completed> result;
  };
  const Answer answers[] = {
      {full_z, full_lower_z + zen + "a", Completed{full_z + zen + "a", 2, 3, 4}},
      {"z", full_lower_z + zen, Completed{"z" + zen, 1, 2, 4}},
      {full_z, "", std::nullopt},
  };
  for (const Answer& a : answers) {
    const FindInList search = [&a](std::string_view) { return ListEntry{4, a.entry}; };
    EXPECT_EQ(Complete("", 0, 0, a.typed, search), a.result) << a.entry;
  }
}

}  // namespace
}  // namespace vyr
