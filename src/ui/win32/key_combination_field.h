// The platform's hot-key field holding one key combination of the settings:
// the command editor's hot key and the settings dialog's scan hot key.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/controls.h"
#include "framework/subclass.h"
#include "settings/shortcut_text.h"

namespace vyr {

// The keys that the keyboard marks extended. The field names a key by its
// scan code, and without the mark Ins would be shown as the keypad's 0.
constexpr bool IsExtendedKey(BYTE key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE ||
         key == VK_DIVIDE || key == VK_NUMLOCK || key == VK_LWIN || key == VK_RWIN ||
         key == VK_APPS;
}

// The field's value: the key in the low byte, HOTKEYF_* in the high byte.
constexpr WORD ToHotKeyValue(KeyCombination keys) {
  const BYTE key = static_cast<BYTE>(keys & 0xFF);
  BYTE modifiers = 0;
  if (keys & kShift) modifiers |= HOTKEYF_SHIFT;
  if (keys & kCtrl) modifiers |= HOTKEYF_CONTROL;
  if (keys & kAlt) modifiers |= HOTKEYF_ALT;
  if (key != 0 && IsExtendedKey(key)) modifiers |= HOTKEYF_EXT;
  return MAKEWORD(key, modifiers);
}

// The extended mark is the keyboard's business and is dropped.
constexpr KeyCombination FromHotKeyValue(WORD value) {
  const BYTE modifiers = HIBYTE(value);
  KeyCombination keys = LOBYTE(value);
  if (modifiers & HOTKEYF_SHIFT) keys |= kShift;
  if (modifiers & HOTKEYF_CONTROL) keys |= kCtrl;
  if (modifiers & HOTKEYF_ALT) keys |= kAlt;
  return keys;
}

// A key pressed alone or with Shift alone is taken with Alt added.
constexpr KeyCombination TakenWithAlt(KeyCombination pressed) {
  if ((pressed & 0xFF) == 0) return pressed;
  const KeyCombination modifiers = pressed & (kShift | kCtrl | kAlt);
  return modifiers == 0 || modifiers == kShift ? pressed | kAlt : pressed;
}

// The field keeps the rule for Alt itself: the platform's own rules
// (HKM_SETRULES) cannot say it on both systems alike, since Windows adds the
// replacement modifiers to Shift and Wine puts them in its place (Shift+B
// would become Alt+B). They are set for a key alone, where both agree; the
// field corrects Shift alone after each key and character the control has
// taken.
class KeyCombinationField final : public framework::Control, private framework::Subclass {
 public:
  // Makes the field on `parent`; it comes after the controls made before it
  // in the tab order.
  void Create(HWND parent, int x, int y, int width, int height, int id) {
    Attach(framework::CreateControl(parent, {HOTKEY_CLASSA, "", WS_TABSTOP, x, y, width, height, id,
                                             nullptr, WS_EX_CLIENTEDGE}));
  }
  // Takes over a field made elsewhere.
  void Attach(HWND field) {
    Control::Attach(field);
    Install(field);
    Send(HKM_SETRULES, HKCOMB_NONE, MAKELPARAM(HOTKEYF_ALT, 0));
  }

  KeyCombination Value() const { return FromHotKeyValue(Field().Value()); }
  // Any combination, also one that a key press could not give (a file's "F5").
  void SetValue(KeyCombination keys) const { Field().SetValue(ToHotKeyValue(keys)); }

 private:
  framework::HotKeyField Field() const { return framework::HotKeyField(hwnd()); }

  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    const LRESULT result = Default(message, wparam, lparam);
    // Wine's control takes the key again from the character that follows it.
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR ||
        message == WM_SYSCHAR) {
      const KeyCombination pressed = Value();
      if (TakenWithAlt(pressed) != pressed) SetValue(TakenWithAlt(pressed));
    }
    return result;
  }
};

}  // namespace vyr
