#include "platform/directory_lister.h"

#include <windows.h>

#include "framework/scoped_handles.h"

namespace vyr::platform {
namespace {

class Win32DirectoryLister final : public DirectoryLister {
 public:
  bool List(const std::string& path, bool, const EntryVisitor& visit) override {
    const std::string pattern = path + "*.*";
    WIN32_FIND_DATAA data;
    // The basic information level and large fetches give the same entries as
    // FindFirstFileA, with fewer round trips on real drives.
    framework::ScopedFind find(FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &data,
                                            FindExSearchNameMatch, nullptr,
                                            FIND_FIRST_EX_LARGE_FETCH));
    if (!find.valid()) return false;
    do {
      visit(data.cFileName, data.dwFileAttributes);
    } while (FindNextFileA(find.get(), &data));
    return true;
  }

  std::optional<FileIdentity> Identity(const std::string& path) override {
    framework::ScopedFile file(CreateFileA(path.c_str(), 0,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  }
};

}  // namespace

std::unique_ptr<DirectoryLister> MakeDirectoryLister() {
  return std::make_unique<Win32DirectoryLister>();
}

}  // namespace vyr::platform
