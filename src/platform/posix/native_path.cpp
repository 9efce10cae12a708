#include "platform/posix/native_path.h"

#include <cctype>
#include <cstdlib>

#include "base/sjis.h"
#include "platform/drives.h"
#include "platform/posix/cp932.h"

namespace vyr::posix {

std::optional<std::string> DriveRoot(char letter) {
  const char* drives = std::getenv("VYR_DRIVES");
  if (drives == nullptr) return std::nullopt;
  std::string_view rest(drives);
  while (!rest.empty()) {
    const std::size_t end = rest.find(';');
    const std::string_view item = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    // "t=" maps nothing: an unset variable in "t=$TREE" must not make the
    // drive the whole machine.
    if (item.size() > 2 && item[1] == '=' &&
        platform::LowerDriveLetter(item[0]) == platform::LowerDriveLetter(letter)) {
      std::string root(item.substr(2));
      while (root.size() > 1 && root.back() == '/') root.pop_back();
      if (root == "/") root.clear();
      return root;
    }
  }
  return std::nullopt;
}

bool IsDrivePath(std::string_view ansi_path) {
  return ansi_path.size() >= 2 && ansi_path[1] == ':' &&
         std::isalpha(static_cast<unsigned char>(ansi_path[0]));
}

std::string SlashedRest(std::string_view ansi_path) {
  std::string rest(ansi_path.substr(2));
  for (std::size_t pos = 0; pos < rest.size(); pos += CharLength(rest, pos)) {
    if (rest[pos] == '\\') rest[pos] = '/';
  }
  if (rest.empty() || rest.front() != '/') rest.insert(rest.begin(), '/');
  return rest;
}

std::optional<std::string> ToNativePath(std::string_view ansi_path) {
  if (!IsDrivePath(ansi_path)) return AnsiToUtf8(ansi_path);
  std::optional<std::string> root = DriveRoot(ansi_path[0]);
  if (!root) return std::nullopt;
  return *root + AnsiToUtf8(SlashedRest(ansi_path));
}

}  // namespace vyr::posix
