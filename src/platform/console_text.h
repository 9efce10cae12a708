// Text crossing into and out of a console program.
#pragma once

#include <string>
#include <string_view>

namespace vyr::platform {

// A command-line argument as a Shift-JIS string (Linux: from UTF-8).
std::string ArgumentToAnsi(std::string_view argument);

// A Shift-JIS string for the console (Linux: to UTF-8).
std::string AnsiToConsole(std::string_view text);

}  // namespace vyr::platform
