#include "platform/console_text.h"

namespace vyr::platform {

// The console program gets and prints the ANSI code page as it is.
std::string ArgumentToAnsi(std::string_view argument) { return std::string(argument); }

std::string AnsiToConsole(std::string_view text) { return std::string(text); }

std::string NativePath(std::string_view path) { return std::string(path); }

}  // namespace vyr::platform
