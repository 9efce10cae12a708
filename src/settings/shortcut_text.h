// Key combinations and their text form, as the settings file keeps them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vyr {

// Virtual key in the low byte; 0 means none.
using KeyCombination = std::uint16_t;
inline constexpr KeyCombination kShift = 0x2000;
inline constexpr KeyCombination kCtrl = 0x4000;
inline constexpr KeyCombination kAlt = 0x8000;

// The name of a key alone ("F5", "PgUp", "A"), empty when it has none.
std::string KeyName(std::uint8_t virtual_key);

// "Shift+", "Ctrl+", "Alt+" in this order, then the key's name; empty for 0
// and for a key without a name.
std::string ShortcutToText(KeyCombination shortcut);

// Takes "Shift+", "Ctrl+", "^" and "Alt+" off the front in any order and
// number, without regard to case; the rest names the key, the first code from
// 0x08 up whose name matches. 0 when the rest names no key.
KeyCombination TextToShortcut(std::string_view text);

}  // namespace vyr
