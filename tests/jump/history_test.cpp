#include "jump/history.h"

#include <gtest/gtest.h>

#include "jump/jump_texts.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

V After(V start, std::string_view text, int limit) {
  History history;
  history.Assign(std::move(start));
  history.Add(text, limit);
  return history.Entries();
}

TEST(HistoryAdd, TrimsMovesToTheFrontAndDropsEqualEntries) {
  struct Case { V start; std::string_view text; V after; };
  const Case cases[] = {
      {{}, "win", {"win"}},
      {{"a", "b"}, "c", {"c", "a", "b"}},
      {{"a", "b"}, "", {"a", "b"}},
      {{"a", "b"}, " \t\r\n", {"a", "b"}},
      {{"a", "b"}, std::string_view("\0", 1), {"a", "b"}},
      {{"a", "b"}, "  c d\t", {"c d", "a", "b"}},
      {{"a", "b", "c"}, "b", {"b", "a", "c"}},
      {{"a", "b", "c"}, " c ", {"c", "a", "b"}},
      {{"a", "b", "a", "a"}, "a", {"a", "b"}},     // every equal entry goes
      {{"Win", "b"}, "win", {"win", "Win", "b"}},  // case counts
      {{"win "}, "win", {"win", "win "}},          // only the new text is trimmed
      // The full-width space is no blank.
      {{"\x83\x5C"}, "\x81\x40\x83\x5C", {"\x81\x40\x83\x5C", "\x83\x5C"}},
  };
  for (const Case& c : cases) EXPECT_EQ(After(c.start, c.text, 16), c.after) << c.text;
}

TEST(HistoryAdd, OnlyTheEntryAtTheLimitGoes) {
  struct Case { V start; std::string_view text; int limit; V after; };
  const Case cases[] = {
      {{"a", "b", "c"}, "d", 3, {"d", "a", "b"}},
      {{"a", "b"}, "d", 3, {"d", "a", "b"}},
      {{"a", "b", "c"}, "b", 3, {"b", "a", "c"}},  // no longer than the limit
      {{"a", "b", "c", "d", "e"}, "x", 2, {"x", "a", "c", "d", "e"}},
      {{"a", "b", "c", "d", "e"}, "c", 2, {"c", "a", "d", "e"}},
      {{"a", "b"}, "x", 1, {"x", "b"}},
      {{"a", "b"}, "x", 0, {"a", "b"}},       // keeps no new entry
      {{"a", "x", "b"}, "x", 0, {"a", "b"}},  // though equal ones still go
      {{"a", "b"}, "x", -1, {"a", "b"}},
      {{"a", "b"}, "x", -2147483647 - 1, {"a", "b"}},
      {{"a"}, "x", 2147483647, {"x", "a"}},
  };
  for (const Case& c : cases) EXPECT_EQ(After(c.start, c.text, c.limit), c.after) << c.limit;
}

TEST(HistoryAdd, ALoweredLimitStopsGrowthButKeepsTheLength) {
  History history;
  for (int k = 15; k >= 0; --k) history.Add("e" + std::to_string(k), 16);
  ASSERT_EQ(history.size(), 16u);
  history.Add("new", 8);
  ASSERT_EQ(history.size(), 16u);
  EXPECT_EQ(history.Entries()[0], "new");
  EXPECT_EQ(history.Entries()[7], "e6");
  EXPECT_EQ(history.Entries()[8], "e8");  // e7 sat at position 8
  EXPECT_EQ(history.Entries()[15], "e15");
}

class ScriptedConfirmation final : public ConfirmationBox {
 public:
  explicit ScriptedConfirmation(bool answer) : answer_(answer) {}
  bool Confirm(std::string_view text) override {
    asked.emplace_back(text);
    return answer_;
  }
  V asked;

 private:
  bool answer_;
};

TEST(ClearHistory, AsksOnceAndClearsOnlyOnOk) {
  for (const bool ok : {true, false}) {
    History history;
    history.Assign({"a", "b"});
    ScriptedConfirmation box(ok);
    ClearHistory(history, box);
    EXPECT_EQ(box.asked, V{texts::kClearHistoryQuestion});
    EXPECT_EQ(history.Entries(), ok ? V{} : V({"a", "b"}));
  }
}

}  // namespace
}  // namespace vyr
