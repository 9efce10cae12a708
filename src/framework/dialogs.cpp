#include "framework/dialogs.h"

#include <string>

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

}  // namespace vyr::framework
