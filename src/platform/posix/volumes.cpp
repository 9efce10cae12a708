#include "platform/volumes.h"

#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "base/sjis.h"
#include "platform/posix/cp932.h"
#include "platform/posix/native_path.h"

namespace vyr::platform {

// Wine keeps the label of a drive in the file ".windows-label" at its root.
std::string VolumeLabel(char letter) {
  const std::optional<std::string> root = posix::DriveRoot(letter);
  if (!root) return {};
  std::ifstream file(*root + "/.windows-label", std::ios::binary);
  std::string label((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  while (!label.empty() && (label.back() == '\n' || label.back() == '\r')) label.pop_back();
  std::string ansi = posix::Utf8ToAnsi(label);
  if (ansi.size() > 254) ansi.resize(254);  // the platform offers a 255-byte buffer
  return ansi;
}

std::string WithTrailingSeparator(std::string directory) {
  if (!directory.empty() && !EndsWithChar(directory, '/') && !EndsWithChar(directory, '\\')) {
    directory += '/';
  }
  return directory;
}

std::string ProgramPath() {
  char buffer[PATH_MAX + 1];
  const ssize_t size = readlink("/proc/self/exe", buffer, PATH_MAX);
  if (size <= 0) return {};
  return posix::Utf8ToAnsi(std::string_view(buffer, static_cast<std::size_t>(size)));
}

std::string ProgramDirectory() {
  std::string path = ProgramPath();
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "./";
  path.resize(slash + 1);
  return path;
}

// The drive whose mapped directory holds the current directory most closely.
char CurrentDriveLetter() {
  char cwd[PATH_MAX + 1];
  if (getcwd(cwd, sizeof cwd) == nullptr) return 0;
  const std::string here = std::string(cwd) + "/";
  char best = 0;
  std::size_t best_length = 0;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const std::optional<std::string> root = posix::DriveRoot(letter);
    if (!root) continue;
    const std::string prefix = *root + "/";
    if (here.starts_with(prefix) && (best == 0 || prefix.size() > best_length)) {
      best = letter;
      best_length = prefix.size();
    }
  }
  return best;
}

}  // namespace vyr::platform
