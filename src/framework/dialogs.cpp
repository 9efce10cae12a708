#include "framework/dialogs.h"

#include <string>

#include <commdlg.h>

#include "framework/framework_texts.h"

namespace vyr::framework {

void ShowWarningBox(HWND owner, std::string_view text) {
  MessageBoxA(owner, std::string(text).c_str(), texts::kWarningCaption,
              MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}

bool AskOkCancel(HWND owner, std::string_view text) {
  return MessageBoxA(owner, std::string(text).c_str(), texts::kConfirmCaption,
                     MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

bool AskYesNo(HWND owner, std::string_view text) {
  return MessageBoxA(owner, std::string(text).c_str(), texts::kConfirmCaption,
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::string AskFileToOpen(HWND owner, std::string_view filter, std::string_view initial,
                          int filter_choice) {
  std::string path(MAX_PATH * 4, '\0');
  // A start longer than the answer may be is no start.
  if (initial.size() < path.size()) path.replace(0, initial.size(), initial);
  const std::string filters = std::string(filter) + std::string(2, '\0');
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(filter_choice);
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                 OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return {};
  return path.c_str();
}

}  // namespace vyr::framework
