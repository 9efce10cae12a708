// The shell, through ShellExecuteA on behalf of the main window.
#pragma once

#include <windows.h>

#include "jump/shell.h"

namespace vyr {

class Win32Shell final : public Shell {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void Execute(std::string_view program, std::string_view parameters,
               std::string_view directory) override;
  void Open(std::string_view target) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace vyr
