#include "platform/profile.h"

#include "platform/file_system.h"
#include "platform/ini_text.h"

namespace vyr::platform {
namespace {

// Reads the file anew for every value and replaces it whole for every change,
// through a complete temporary file, so that a crash never leaves half a file.
class PosixProfile final : public Profile {
 public:
  explicit PosixProfile(std::string path) : path_(std::move(path)) {}

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) override {
    ByteBuffer text;
    if (!RealFileSystem().ReadWholeFile(path_, text)) return std::string(fallback);
    return FindIniValue(text.view(), section, key).value_or(std::string(fallback));
  }

  bool WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    ByteBuffer text;
    // Only a missing file starts empty: one that is there but cannot be read
    // now (locked, a read error) would lose every other key.
    if (!RealFileSystem().ReadWholeFile(path_, text) && !RealFileSystem().IsMissing(path_)) {
      return false;
    }
    const std::string changed = SetIniValue(text.view(), section, key, value);
    const FileWrite write{path_, changed};
    return RealFileSystem().ReplaceFiles({&write, 1});
  }

 private:
  std::string path_;
};

}  // namespace

std::unique_ptr<Profile> OpenProfile(std::string path) {
  return std::make_unique<PosixProfile>(std::move(path));
}

std::string ProfileFilePath(const std::string& path) {
  return path;
}

}  // namespace vyr::platform
