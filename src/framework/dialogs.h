// The message boxes of the program: warnings and confirmations.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vyr::framework {

// Caption "警告", one OK button; returns when it is closed.
void ShowWarningBox(HWND owner, std::string_view text);
// Caption "確認", OK and キャンセル; true for OK.
bool AskOkCancel(HWND owner, std::string_view text);
// Caption "確認", はい(&Y) and いいえ(&N); true for yes.
bool AskYesNo(HWND owner, std::string_view text);

// The file-open dialog, resizable, without the read-only box, taking only a
// file that exists; the chosen path, or empty when cancelled. `filter` holds
// pairs of NUL-ended texts, as the platform wants them, and `filter_choice`
// (from 1) picks the pair it opens with; `initial`, a file's full name, is
// where it starts.
std::string AskFileToOpen(HWND owner, std::string_view filter, std::string_view initial = {},
                          int filter_choice = 1);

}  // namespace vyr::framework
