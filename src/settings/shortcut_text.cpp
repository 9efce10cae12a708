#include "settings/shortcut_text.h"

#include "platform/key_names.h"

namespace vyr {
namespace {

char Fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size() || !SameText(text.substr(0, prefix.size()), prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

constexpr const char* kCursorBlock[] = {"Space", "PgUp", "PgDn", "End", "Home",
                                        "Left",  "Up",   "Right", "Down"};

}  // namespace

std::string KeyName(std::uint8_t key) {
  switch (key) {
    case 0x08: return "BkSp";
    case 0x09: return "Tab";
    case 0x0D: return "Enter";
    case 0x1B: return "Esc";
    case 0x2D: return "Ins";
    case 0x2E: return "Del";
    default: break;
  }
  if (key >= 0x20 && key <= 0x28) return kCursorBlock[key - 0x20];
  if (key >= 0x30 && key <= 0x39) return std::string(1, static_cast<char>(key));
  if (key >= 0x60 && key <= 0x69) return std::string(1, static_cast<char>('0' + key - 0x60));
  if (key >= 0x41 && key <= 0x5A) return std::string(1, static_cast<char>(key));
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);
  return platform::KeyNameOfScanCode(key);
}

std::string ShortcutToText(KeyCombination shortcut) {
  const std::string name = KeyName(static_cast<std::uint8_t>(shortcut & 0xFF));
  if (shortcut == 0 || name.empty()) return {};
  std::string text;
  if (shortcut & kShift) text += "Shift+";
  if (shortcut & kCtrl) text += "Ctrl+";
  if (shortcut & kAlt) text += "Alt+";
  return text + name;
}

KeyCombination TextToShortcut(std::string_view text) {
  KeyCombination modifiers = 0;
  for (;;) {
    if (TakePrefix(text, "Shift+")) {
      modifiers |= kShift;
    } else if (TakePrefix(text, "Ctrl+") || TakePrefix(text, "^")) {
      modifiers |= kCtrl;
    } else if (TakePrefix(text, "Alt+")) {
      modifiers |= kAlt;
    } else {
      break;
    }
  }
  if (text.empty()) return 0;
  for (unsigned key = 0x08; key <= 0xFF; ++key) {
    const std::string name = KeyName(static_cast<std::uint8_t>(key));
    if (!name.empty() && SameText(name, text)) return static_cast<KeyCombination>(modifiers | key);
  }
  return 0;
}

}  // namespace vyr
