#include "platform/profile.h"

#include <windows.h>

#include "base/sjis.h"

namespace vyr::platform {
namespace {

class Win32Profile final : public Profile {
 public:
  explicit Win32Profile(std::string path) : path_(std::move(path)) {}

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) override {
    char value[kProfileValueLimit + 1] = {};
    const DWORD length =
        GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                 std::string(fallback).c_str(), value, sizeof value, path_.c_str());
    return std::string(value, length);
  }

  bool WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), path_.c_str()) != 0;
  }

  void Flush() override {
    // Three nulls are the documented flush; its result says nothing useful.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
  }

 private:
  std::string path_;
};

}  // namespace

std::unique_ptr<Profile> OpenProfile(std::string path) {
  return std::make_unique<Win32Profile>(std::move(path));
}

std::string ProfileFilePath(const std::string& path) {
  // The profile functions take a name without any folder part from the
  // Windows directory; a drive-relative "c:name" is not such a name.
  const bool bare = FindChar(path, '\\') == kNotFound && FindChar(path, '/') == kNotFound &&
                    !(path.size() >= 2 && path[1] == ':');
  if (!bare || path.empty()) return path;
  char directory[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(directory, sizeof directory);
  if (length == 0 || length > MAX_PATH) return path;
  std::string file(directory, length);
  if (FindLastChar(file, '\\') != file.size() - 1) file += '\\';
  return file + path;
}

}  // namespace vyr::platform
