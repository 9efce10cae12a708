#include "platform/file_system.h"

#include <windows.h>

#include <limits>
#include <vector>

#include "platform/win32/handle.h"

namespace vyr::platform {
namespace {

bool WriteComplete(const std::string& path, std::string_view content) {
  win32::ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
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

class Win32FileSystem final : public FileSystem {
 public:
  bool ReadWholeFile(const std::string& path, std::string& content) override {
    win32::ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > content.max_size() / 2) {
      return false;
    }
    try {
      content.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
      return false;
    }
    std::size_t done = 0;
    while (done < content.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 24));
      DWORD got = 0;
      if (!ReadFile(file.get(), content.data() + done, chunk, &got, nullptr)) {
        content.resize(done);
        return false;
      }
      if (got == 0) break;
      done += got;
    }
    content.resize(done);
    return true;
  }

  bool ReplaceFiles(std::span<const FileWrite> files) override {
    std::vector<std::pair<std::string, std::string>> renames;  // temporary, final
    bool complete = true;
    for (const FileWrite& file : files) {
      std::string temporary = file.path + ".tmp";
      renames.emplace_back(temporary, file.path);
      if (!WriteComplete(temporary, file.content)) {
        complete = false;
        break;
      }
    }
    for (const auto& [temporary, final_path] : renames) {
      if (complete && !MoveFileExA(temporary.c_str(), final_path.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        complete = false;
      }
      if (!complete) DeleteFileA(temporary.c_str());
    }
    return complete;
  }
};

}  // namespace

FileSystem& RealFileSystem() {
  static Win32FileSystem file_system;
  return file_system;
}

}  // namespace vyr::platform
