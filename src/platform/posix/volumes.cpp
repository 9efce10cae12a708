#include "platform/volumes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdlib>

#include "base/sjis.h"
#include "platform/posix/cp932.h"
#include "platform/posix/native_path.h"

namespace vyr::platform {

namespace {

// The beginning of the file, enough for any label: only a plain file is
// read, as something else (a pipe) might keep the reader waiting for ever.
std::string ReadLabelFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {};
  std::string label;
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    char bytes[1024];
    const ssize_t got = read(fd, bytes, sizeof bytes);
    if (got > 0) label.assign(bytes, static_cast<std::size_t>(got));
  }
  close(fd);
  return label;
}

}  // namespace

// Wine keeps the label of a drive in the file ".windows-label" at its root.
std::string VolumeLabel(char letter) {
  const std::optional<std::string> root = posix::DriveRoot(letter);
  if (!root) return {};
  std::string label = ReadLabelFile(*root + "/.windows-label");
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
