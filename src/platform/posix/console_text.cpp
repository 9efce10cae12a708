#include "platform/console_text.h"

#include "platform/posix/cp932.h"

namespace vyr::platform {

std::string ArgumentToAnsi(std::string_view argument) { return posix::Utf8ToAnsi(argument); }

std::string AnsiToConsole(std::string_view text) { return posix::AnsiToUtf8(text); }

}  // namespace vyr::platform
