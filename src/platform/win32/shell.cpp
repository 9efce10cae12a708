#include "platform/win32/shell.h"

#include <shellapi.h>

#include <string>

namespace vyr::platform {

void Win32Shell::Execute(std::string_view program, std::string_view parameters,
                         std::string_view directory) {
  ShellExecuteA(owner_, nullptr, std::string(program).c_str(), std::string(parameters).c_str(),
                std::string(directory).c_str(), SW_SHOW);
}

void Win32Shell::Open(std::string_view target) {
  ShellExecuteA(owner_, "open", std::string(target).c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32Shell::OpenPage(std::string_view page) {
  ShellExecuteA(owner_, "Open", std::string(page).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vyr::platform
