#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/large_pages.h"
#include "platform/posix/native_path.h"

namespace vyr::platform {
namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool WriteComplete(const std::string& path, std::string_view content) {
  Descriptor fd(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  return fd.get() >= 0 && WriteAll(fd.get(), content) && fsync(fd.get()) == 0;
}

void SyncDirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  Descriptor fd(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) fsync(fd.get());
}

class PosixFileSystem final : public FileSystem {
 public:
  bool ReadWholeFile(const std::string& path, ByteBuffer& content,
                     ReadObserver* observer) override {
    const std::optional<std::string> native = posix::ToNativePath(path);
    if (!native) return false;
    Descriptor fd(open(native->c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return false;
    // Other writers are kept out with an advisory lock, as far as Linux can.
    if (flock(fd.get(), LOCK_SH | LOCK_NB) != 0) return false;
    struct stat st {};
    if (fstat(fd.get(), &st) != 0 || st.st_size < 0) return false;
    const auto size = static_cast<std::size_t>(st.st_size);
    try {
      content.Reserve(size + kReadRoomPastEnd);
    } catch (const std::bad_alloc&) {
      return false;
    }
    // A large file's pages cost a fault and a clearing each: fewer and larger.
    AdviseLargePages(content.data(), size);
    content.Clear();
    if (observer) observer->Starting(content.data(), size);
    while (content.size() < size) {
      const std::size_t done = content.size();
      const ssize_t got =
          read(fd.get(), content.data() + done, std::min(kReadPieceSize, size - done));
      if (got < 0) return false;
      if (got == 0) break;
      content.ResizeUninitialized(done + static_cast<std::size_t>(got));
      if (observer) observer->Arrived(content.data(), content.size());
    }
    return true;
  }

  bool ReplaceFiles(std::span<const FileWrite> files) override {
    std::vector<std::pair<std::string, std::string>> renames;  // temporary, final
    bool complete = true;
    for (const FileWrite& file : files) {
      const std::optional<std::string> native = posix::ToNativePath(file.path);
      if (!native) {
        complete = false;
        break;
      }
      std::string temporary = *native + ".tmp";
      renames.emplace_back(temporary, *native);
      if (!WriteComplete(temporary, file.content)) {
        complete = false;
        break;
      }
    }
    for (const auto& [temporary, final_path] : renames) {
      if (complete && rename(temporary.c_str(), final_path.c_str()) != 0) complete = false;
      if (!complete) unlink(temporary.c_str());
    }
    if (!renames.empty()) SyncDirectoryOf(renames.front().second);
    return complete;
  }

  bool IsMissing(const std::string& path) override {
    const std::optional<std::string> native = posix::ToNativePath(path);
    struct stat st {};
    return native && stat(native->c_str(), &st) != 0 && errno == ENOENT;
  }

  bool CopyWholeFile(const std::string& from, const std::string& to) override {
    ByteBuffer content;
    const std::optional<std::string> native_to = posix::ToNativePath(to);
    return native_to && ReadWholeFile(from, content, nullptr) &&
           WriteComplete(*native_to, content.view());
  }

  bool MoveOver(const std::string& from, const std::string& to) override {
    const std::optional<std::string> native_from = posix::ToNativePath(from);
    const std::optional<std::string> native_to = posix::ToNativePath(to);
    if (!native_from || !native_to) return false;
    {
      // The rename must never put a name on bytes still on their way.
      Descriptor fd(open(native_from->c_str(), O_RDONLY | O_CLOEXEC));
      if (fd.get() < 0 || fsync(fd.get()) != 0) return false;
    }
    if (rename(native_from->c_str(), native_to->c_str()) != 0) return false;
    SyncDirectoryOf(*native_to);
    return true;
  }

  bool RemoveFile(const std::string& path) override {
    const std::optional<std::string> native = posix::ToNativePath(path);
    return native && (unlink(native->c_str()) == 0 || errno == ENOENT);
  }
};

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem file_system;
  return file_system;
}

}  // namespace vyr::platform
