#include "platform/profile.h"

#include <windows.h>

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

 private:
  std::string path_;
};

}  // namespace

std::unique_ptr<Profile> OpenProfile(std::string path) {
  return std::make_unique<Win32Profile>(std::move(path));
}

}  // namespace vyr::platform
