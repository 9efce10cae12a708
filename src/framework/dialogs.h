// The message boxes of the program: warnings and confirmations.
#pragma once

#include <windows.h>

#include <string_view>

namespace vyr::framework {

// Caption "警告", one OK button; returns when it is closed.
void ShowWarningBox(HWND owner, std::string_view text);
// Caption "確認", OK and キャンセル; true for OK.
bool AskOkCancel(HWND owner, std::string_view text);
// Caption "確認", はい(&Y) and いいえ(&N); true for yes.
bool AskYesNo(HWND owner, std::string_view text);

}  // namespace vyr::framework
