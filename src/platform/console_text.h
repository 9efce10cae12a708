// Text crossing into and out of a console program.
#pragma once

#include <string>
#include <string_view>

namespace vyr::platform {

// A command-line argument as a Shift-JIS string (Linux: from UTF-8).
std::string ArgumentToAnsi(std::string_view argument);

// A Shift-JIS string for the console (Linux: to UTF-8).
std::string AnsiToConsole(std::string_view text);

// A path of an index as this machine names it, still Shift-JIS: on Windows
// the path itself; on Linux a drive's path on the drive's directory from
// VYR_DRIVES, with "/". Any other path, or one on a drive that is not
// mapped, stays as it is.
std::string NativePath(std::string_view path);

}  // namespace vyr::platform
