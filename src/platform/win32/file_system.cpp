#include "platform/file_system.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "framework/scoped_handles.h"
#include "platform/replace_in_turn.h"

namespace vyr::platform {
namespace {

bool WriteComplete(const std::string& path, std::string_view content) {
  framework::ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1 << 24));
    DWORD written = 0;
    if (!WriteFile(file.get(), content.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    content.remove_prefix(written);
  }
  return FlushFileBuffers(file.get()) != 0;
}

bool MoveReplacing(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

class Win32SaveSteps final : public SaveSteps {
 public:
  bool WriteThrough(const std::string& path, std::string_view content) override {
    return WriteComplete(path, content);
  }
  // A reader holding the file open keeps it: the removal then fails.
  bool Remove(const std::string& path) override {
    return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
  }
  bool Rename(const std::string& from, const std::string& to) override {
    return MoveReplacing(from, to);
  }
};

class Win32FileSystem final : public FileSystem {
 public:
  bool ReadWholeFile(const std::string& path, ByteBuffer& content,
                     ReadObserver* observer) override {
    framework::ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return false;
    LARGE_INTEGER size_read;
    if (!GetFileSizeEx(file.get(), &size_read) || size_read.QuadPart < 0 ||
        static_cast<unsigned long long>(size_read.QuadPart) >
            std::numeric_limits<std::size_t>::max() / 2) {
      return false;
    }
    const auto size = static_cast<std::size_t>(size_read.QuadPart);
    try {
      content.Reserve(size + kReadRoomPastEnd);
    } catch (const std::bad_alloc&) {
      return false;
    }
    content.Clear();
    if (observer) observer->Starting(content.data(), size);
    while (content.size() < size) {
      const std::size_t done = content.size();
      const auto piece = static_cast<DWORD>(std::min(kReadPieceSize, size - done));
      DWORD got = 0;
      if (!ReadFile(file.get(), content.data() + done, piece, &got, nullptr)) return false;
      if (got == 0) break;
      content.ResizeUninitialized(done + got);
      if (observer) observer->Arrived(content.data(), content.size());
    }
    return true;
  }

  bool ReplaceFiles(std::span<const FileWrite> files) override {
    if (files.empty()) return true;
    // Keeps a second save of the same files out while this one is under
    // way: the file is this handle's alone, and goes with it, also should
    // the process die.
    const framework::ScopedFile lock(
        CreateFileA((files.front().path + ".lock").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!lock.valid() &&
        (GetLastError() == ERROR_SHARING_VIOLATION || GetLastError() == ERROR_ACCESS_DENIED)) {
      return false;
    }
    Win32SaveSteps steps;
    return ReplaceInTurn(steps, files);
  }

  bool IsMissing(const std::string& path) override {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }

  bool CopyWholeFile(const std::string& from, const std::string& to) override {
    // The copy is written to next: a read-only bit taken over from the
    // file would refuse the writes, and then the copy's removal.
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0 &&
           SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
  }

  bool MoveOver(const std::string& from, const std::string& to) override {
    {
      // The rename must never put a name on bytes still on their way.
      framework::ScopedFile file(CreateFileA(from.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!file.valid() || !FlushFileBuffers(file.get())) return false;
    }
    return MoveReplacing(from, to);
  }

  bool RemoveFile(const std::string& path) override {
    // A read-only copy left by an earlier run must not block every save after it.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileA(path.c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
};

}  // namespace

FileSystem& RealFileSystem() {
  static Win32FileSystem file_system;
  return file_system;
}

}  // namespace vyr::platform
