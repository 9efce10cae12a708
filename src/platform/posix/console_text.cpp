#include "platform/console_text.h"

#include "platform/posix/cp932.h"
#include "platform/posix/native_path.h"

namespace vyr::platform {

std::string ArgumentToAnsi(std::string_view argument) { return posix::Utf8ToAnsi(argument); }

// Line by line: a lead byte that ends a line (a damaged name) stands alone
// and never takes the line end with it, so that each line stays one.
std::string AnsiToConsole(std::string_view text) {
  std::string console;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    console += posix::AnsiToUtf8(text.substr(0, end));
    if (end == std::string_view::npos) break;
    console += '\n';
    text.remove_prefix(end + 1);
  }
  return console;
}

std::string NativePath(std::string_view path) {
  if (!posix::IsDrivePath(path)) return std::string(path);
  const std::optional<std::string> root = posix::DriveRoot(path[0]);
  if (!root) return std::string(path);
  return posix::Utf8ToAnsi(*root) + posix::SlashedRest(path);
}

}  // namespace vyr::platform
