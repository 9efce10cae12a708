// The tables of the settings dialog that its making and its events both
// walk: the small buttons, the check boxes and the context menu. Only the
// dialog's own files use it.
#pragma once

#include <windows.h>

#include <iterator>

#include "commands/win32/settings_form.h"
#include "commands/win32/settings_form_texts.h"
#include "desktop/settings_dialog.h"
#include "resource_ids.h"

namespace vyr::settings_form {

// The strip below the list, left to right.
struct SmallButton {
  TForm6::ControlId id;
  int left;
  int picture;
  const char* hint;
};

inline constexpr SmallButton kSmallButtons[] = {
    {TForm6::kSpdEditId, 12, IDB_EDIT, texts::kEditHint},
    {TForm6::kSpdHorizonId, 48, IDB_SEPARATOR, texts::kSeparatorHint},
    {TForm6::kSpdAddId, 84, IDB_ADD, texts::kAddHint},
    {TForm6::kSpdDeleteId, 112, IDB_REMOVE, texts::kRemoveHint},
    {TForm6::kSpdUpId, 148, IDB_UP, texts::kUpHint},
    {TForm6::kSpdDownId, 176, IDB_DOWN, texts::kDownHint},
};
static_assert(std::size(kSmallButtons) == TForm6::kSmallButtonCount);

// Top to bottom on "その他", each with the option it shows.
struct CheckBox {
  const char* caption;
  const char* hint;  // null for none
  bool DialogOptions::*option;
};

inline constexpr CheckBox kCheckBoxes[] = {
    {texts::kSwapMenus, nullptr, &DialogOptions::swap_menus},
    {texts::kSkipSystemDirectories, texts::kSkipSystemDirectoriesHint,
     &DialogOptions::skip_system_directories},
    {texts::kUseAutoComplete, texts::kUseAutoCompleteHint, &DialogOptions::use_auto_complete},
    {texts::kCloseInputMethod, texts::kCloseInputMethodHint, &DialogOptions::close_input_method},
    {texts::kHistoryTakesInput, nullptr, &DialogOptions::history_takes_input},
};
static_assert(std::size(kCheckBoxes) == TForm6::kCheckBoxCount);

// The context menu, for the whole window: each item is tagged with the id
// of the button that does the same; a shortcut is its key with Ctrl alone.
struct ContextItem {
  const char* caption;
  const char* shortcut;
  TForm6::ControlId tag;
  UINT key;  // 0 for none
};

inline constexpr ContextItem kPopupMenu1[] = {
    {texts::kEditItem, "", TForm6::kSpdEditId, 0},
    {texts::kAddItem, "Ctrl+Ins", TForm6::kSpdAddId, VK_INSERT},
    {texts::kRemoveItem, "Ctrl+Del", TForm6::kSpdDeleteId, VK_DELETE},
};

}  // namespace vyr::settings_form
