// The shell, through ShellExecuteA on behalf of a window of the program.
#pragma once

#include <windows.h>

#include "platform/shell.h"

namespace vyr::platform {

class Win32Shell final : public Shell {
 public:
  // The window that owns what the shell shows (its error boxes, say).
  void SetOwner(HWND owner) { owner_ = owner; }
  void Execute(std::string_view program, std::string_view parameters,
               std::string_view directory) override;
  void Open(std::string_view target) override;
  void OpenPage(std::string_view page) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace vyr::platform
