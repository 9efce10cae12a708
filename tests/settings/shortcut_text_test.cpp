#include "settings/shortcut_text.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

TEST(ShortcutToText, ModifiersInTheirOrderThenTheKeyName) {
  struct Case { KeyCombination shortcut; std::string text; };
  const Case cases[] = {
      {0, ""},
      {kCtrl | kAlt | 'S', "Ctrl+Alt+S"},
      {kAlt | kCtrl | kShift | 'G', "Shift+Ctrl+Alt+G"},
      {0x08, "BkSp"}, {0x09, "Tab"}, {0x0D, "Enter"}, {0x1B, "Esc"},
      {0x20, "Space"}, {0x21, "PgUp"}, {0x22, "PgDn"}, {0x23, "End"}, {0x24, "Home"},
      {0x25, "Left"}, {0x26, "Up"}, {0x27, "Right"}, {0x28, "Down"},
      {0x2D, "Ins"}, {0x2E, "Del"}, {'0', "0"}, {'9', "9"}, {0x60, "0"}, {0x69, "9"},
      {0x70, "F1"}, {0x87, "F24"}, {kShift | 0x7B, "Shift+F12"},
      {kCtrl, ""},  // a modifier without a key has no name
  };
  for (const Case& c : cases) EXPECT_EQ(ShortcutToText(c.shortcut), c.text) << c.shortcut;
}

TEST(TextToShortcut, PrefixesInAnyOrderAndCaseAndTheFirstMatchingKey) {
  struct Case { std::string_view text; KeyCombination shortcut; };
  const Case cases[] = {
      {"Ctrl+Alt+S", kCtrl | kAlt | 'S'},
      {"ctrl+alt+s", kCtrl | kAlt | 'S'},
      {"^Alt+S", kCtrl | kAlt | 'S'},
      {"Alt+Ctrl+S", kCtrl | kAlt | 'S'},
      {"alt+SHIFT+f5", kShift | kAlt | 0x74},
      {"Ctrl+Ctrl+X", kCtrl | 'X'},
      {"1", '1'},  // the main keyboard's 1, never the keypad's
      {"pgdn", 0x22},
      {"Ctrl+Alt+Q!", 0},
      {"Ctrl+", 0},
      {"", 0},
      {"Shift", 0x10},
      {"F25", 0},
      {"Ctrl Alt S", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToShortcut(c.text), c.shortcut) << c.text;
}

TEST(ShortcutText, EveryNamedKeyReadsBackAsWrittenExceptTheKeypadDigits) {
  for (unsigned key = 0x08; key <= 0xFF; ++key) {
    for (KeyCombination modifiers : {0, int(kShift | kAlt), int(kCtrl)}) {
      const auto shortcut = static_cast<KeyCombination>(modifiers | key);
      const std::string text = ShortcutToText(shortcut);
      if (text.empty()) continue;
      const KeyCombination back = TextToShortcut(text);
      // Names are not unique: a later key of the same name reads as the first.
      EXPECT_EQ(ShortcutToText(back), text) << key;
      if (key >= 0x60 && key <= 0x69) {
        EXPECT_EQ(back & 0xFFu, key - 0x60 + '0');
      }
    }
  }
}

}  // namespace
}  // namespace vyr
