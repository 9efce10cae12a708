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
#include "platform/replace_in_turn.h"

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

// Keeps a second save of the same files out while one is under way: a lock
// on a file beside the first of them, which the system lets go of should
// this process die, and which the save removes when it ends.
class SaveLock {
 public:
  explicit SaveLock(const std::string& first_file) : path_(first_file + ".lock") {
    // The save before may remove the file between its opening here and the
    // lock: the lock is then on a file that no other save finds, and is
    // taken again.
    for (int tries = 0; tries < 3; ++tries) {
      const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
      if (fd < 0) break;
      if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        busy_ = errno == EWOULDBLOCK;  // else a file system without locks: saved unguarded
        close(fd);
        return;
      }
      struct stat opened {};
      struct stat named {};
      if (fstat(fd, &opened) == 0 && stat(path_.c_str(), &named) == 0 &&
          opened.st_ino == named.st_ino && opened.st_dev == named.st_dev) {
        fd_ = fd;
        return;
      }
      close(fd);
    }
  }
  ~SaveLock() {
    if (fd_ < 0) return;
    unlink(path_.c_str());
    close(fd_);
  }
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;
  bool busy() const { return busy_; }

 private:
  std::string path_;
  int fd_ = -1;
  bool busy_ = false;
};

bool RemoveNative(const std::string& path) {
  return unlink(path.c_str()) == 0 || errno == ENOENT;
}

class PosixSaveSteps final : public SaveSteps {
 public:
  bool WriteThrough(const std::string& path, std::string_view content) override {
    return WriteComplete(path, content);
  }
  bool Remove(const std::string& path) override { return RemoveNative(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    return rename(from.c_str(), to.c_str()) == 0;
  }
};

class PosixFileSystem final : public FileSystem {
 public:
  bool ReadWholeFile(const std::string& path, ByteBuffer& content,
                     ReadObserver* observer) override {
    const std::optional<std::string> native = posix::ToNativePath(path);
    if (!native) return false;
    // Not blocking at the opening: a pipe in the file's place would keep the
    // reader waiting for a writer. Only a plain file is read.
    Descriptor fd(open(native->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return false;
    // Other writers are kept out with an advisory lock, as far as Linux can.
    if (flock(fd.get(), LOCK_SH | LOCK_NB) != 0) return false;
    struct stat st {};
    if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) return false;
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
    std::vector<FileWrite> native_files;
    for (const FileWrite& file : files) {
      std::optional<std::string> native = posix::ToNativePath(file.path);
      if (!native) return false;
      native_files.push_back({std::move(*native), file.content});
    }
    if (native_files.empty()) return true;
    const SaveLock lock(native_files.front().path);
    if (lock.busy()) return false;  // another save of these files is under way
    PosixSaveSteps steps;
    const bool complete = ReplaceInTurn(steps, native_files);
    SyncDirectoryOf(native_files.front().path);
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
    return native && RemoveNative(*native);
  }
};

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem file_system;
  return file_system;
}

}  // namespace vyr::platform
