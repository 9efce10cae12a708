// Lists directories with getdents64, each one opened relative to its parent's
// descriptor: a walk of a large tree is bound by system time, and resolving
// the full path again for every directory would double it.
#include "platform/directory_lister.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "base/sjis.h"
#include "platform/posix/cp932.h"
#include "platform/posix/native_path.h"

namespace vyr::platform {
namespace {

// Characters that Windows does not allow in a name; Wine shows them as "?".
bool IsForbiddenInName(char c) {
  switch (c) {
    case '\\': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
      return true;
    default:
      return static_cast<unsigned char>(c) < 0x20;
  }
}

std::string NameToAnsi(std::string_view name) {
  std::string ansi = posix::Utf8ToAnsi(name);
  for (std::size_t pos = 0; pos < ansi.size(); pos += CharLength(ansi, pos)) {
    if (IsForbiddenInName(ansi[pos])) ansi[pos] = '?';
  }
  return ansi;
}

// The system bit as Wine and Samba keep it: the text "0x4", "0x14", ...
bool HasSystemBit(const std::string& native_path) {
  char value[64] = {};
  const ssize_t size = getxattr(native_path.c_str(), "user.DOSATTRIB", value, sizeof value - 1);
  if (size < 3 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X')) return false;
  const unsigned long attributes = std::strtoul(value + 2, nullptr, 16);
  return (attributes & kAttributeSystem) != 0;
}

class PosixDirectoryLister final : public DirectoryLister {
 public:
  ~PosixDirectoryLister() override { CloseDownTo(0); }

  bool List(const std::string& path, bool want_system_bit, const EntryVisitor& visit) override {
    const int fd = OpenDirectory(path);
    if (fd < 0) return false;
    std::optional<std::string> native;
    if (want_system_bit) native = posix::ToNativePath(path);
    ReadEntries(fd, native ? &*native : nullptr, visit);
    return true;
  }

  std::optional<FileIdentity> Identity(const std::string& path) override {
    const std::optional<std::string> native = posix::ToNativePath(path);
    struct stat st {};
    if (!native || stat(native->c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
  }

 private:
  struct OpenDir {
    std::string path;  // the core's path, ending in "\"
    int fd;
  };

  void CloseDownTo(std::size_t depth) {
    while (open_.size() > depth) {
      close(open_.back().fd);
      open_.pop_back();
    }
  }

  // Keeps the descriptors of the directories on the way down, so that a child
  // is opened by its name alone.
  int OpenDirectory(const std::string& path) {
    while (!open_.empty() && !path.starts_with(open_.back().path)) CloseDownTo(open_.size() - 1);
    int fd = -1;
    if (!open_.empty() && path.size() > open_.back().path.size()) {
      const std::string_view child =
          std::string_view(path).substr(open_.back().path.size(), path.size() - open_.back().path.size() - 1);
      if (!child.empty() && FindChar(child, '\\') == kNotFound) {
        fd = openat(open_.back().fd, posix::AnsiToUtf8(child).c_str(),
                    O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return -1;
      }
    } else if (!open_.empty() && path == open_.back().path) {
      fd = dup(open_.back().fd);
      lseek(fd, 0, SEEK_SET);
    }
    if (fd < 0) {
      const std::optional<std::string> native = posix::ToNativePath(path);
      if (!native) return -1;
      fd = open(native->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (fd < 0) return -1;
    }
    if (open_.size() >= kMaxOpen) CloseDownTo(0);
    open_.push_back({path, fd});
    return fd;
  }

  void ReadEntries(int fd, const std::string* native_dir, const EntryVisitor& visit) {
    buffer_.resize(kBufferSize);
    for (;;) {
      const ssize_t got = getdents64(fd, buffer_.data(), buffer_.size());
      if (got <= 0) return;
      for (ssize_t offset = 0; offset < got;) {
        const auto* entry = reinterpret_cast<const dirent64*>(buffer_.data() + offset);
        offset += entry->d_reclen;
        VisitEntry(fd, *entry, native_dir, visit);
      }
    }
  }

  static void VisitEntry(int fd, const dirent64& entry, const std::string* native_dir,
                         const EntryVisitor& visit) {
    const char* name = entry.d_name;
    std::uint32_t attributes = 0;
    if (entry.d_type == DT_DIR) {
      attributes = kAttributeDirectory;
    } else if (entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN) {
      // Links are followed like directories, as Wine does.
      struct stat st {};
      if (fstatat(fd, name, &st, 0) == 0 && S_ISDIR(st.st_mode)) {
        attributes = kAttributeDirectory | (entry.d_type == DT_LNK ? kAttributeReparsePoint : 0);
      }
    }
    if (attributes != 0 && native_dir != nullptr && HasSystemBit(*native_dir + name)) {
      attributes |= kAttributeSystem;
    }
    if (attributes == 0) attributes = 0x20;  // a file: archive, as Windows reports most files
    visit(NameToAnsi(name), attributes);
  }

  static constexpr std::size_t kBufferSize = 64 * 1024;
  static constexpr std::size_t kMaxOpen = 256;
  std::vector<OpenDir> open_;
  std::vector<char> buffer_;
};

}  // namespace

std::unique_ptr<DirectoryLister> MakeDirectoryLister() {
  return std::make_unique<PosixDirectoryLister>();
}

}  // namespace vyr::platform
