#include "platform/console_text.h"

#include "platform/posix/cp932.h"
#include "platform/posix/native_path.h"

namespace vyr::platform {

std::string ArgumentToAnsi(std::string_view argument) { return posix::Utf8ToAnsi(argument); }

std::string AnsiToConsole(std::string_view text) { return posix::AnsiToUtf8(text); }

std::string NativePath(std::string_view path) {
  if (!posix::IsDrivePath(path)) return std::string(path);
  const std::optional<std::string> root = posix::DriveRoot(path[0]);
  if (!root) return std::string(path);
  return posix::Utf8ToAnsi(*root) + posix::SlashedRest(path);
}

}  // namespace vyr::platform
