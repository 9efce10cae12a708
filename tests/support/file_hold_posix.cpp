#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/posix/native_path.h"
#include "support/file_hold.h"

namespace vyr::test {

FileHold::FileHold(const std::string& path) {
  const std::optional<std::string> native = posix::ToNativePath(path);
  if (!native) return;
  handle_ = open(native->c_str(), O_RDWR | O_CLOEXEC);
  held_ = handle_ >= 0 && flock(static_cast<int>(handle_), LOCK_EX | LOCK_NB) == 0;
}

FileHold::~FileHold() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
}

}  // namespace vyr::test
