// The settings file: typed reads with defaults, and writes that raise.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "platform/file_system.h"
#include "platform/profile.h"
#include "settings/shortcut_text.h"

namespace vyr {

// "%s に書き込めません" with the settings file's path.
class SettingsWriteError : public std::runtime_error {
 public:
  explicit SettingsWriteError(const std::string& path);
};

class SettingsFile;

// Where settings files live, which the program's controllers and its tests
// choose: how a profile is opened on a path, and the file operations that
// let a save go through a copy of the file. Without them (profiles in
// memory) a write through a copy writes the profile directly, as nothing
// there can be left half-written.
struct SettingsFiles {
  std::function<std::unique_ptr<platform::Profile>(std::string path)> open_profile;
  platform::FileSystem* files = nullptr;

  SettingsFile Open(std::string path) const;
};

// The files themselves, through the profile functions.
SettingsFiles RealSettingsFiles();

class SettingsFile {
 public:
  // The file at `path` of `store`.
  SettingsFile(std::string path, SettingsFiles store);
  // One profile with no file behind it (a profile in memory): a write through
  // a copy writes it directly, as nothing there can be left half-written.
  SettingsFile(std::unique_ptr<platform::Profile> profile, std::string path)
      : profile_(std::move(profile)), path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // A present but empty string is the empty string, not the default.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback = {});
  // An empty, missing or non-numeric value gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int fallback);
  bool ReadBool(std::string_view section, std::string_view key, bool fallback);
  // Absent: the default; present and empty, or naming no key: none.
  KeyCombination ReadShortcut(std::string_view section, std::string_view key,
                              KeyCombination fallback);

  // Each write goes to the file at once and raises SettingsWriteError.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteShortcut(std::string_view section, std::string_view key, KeyCombination value);

  // All or nothing: `writes` go to a copy of the file beside it, which takes
  // the file's place with one rename once every write is done, so that the
  // file is at any moment either as it was or as all the writes leave it. A
  // missing file gives an empty copy. Raises SettingsWriteError when any step
  // fails; the file then stays as it was and the copy is removed.
  void WriteThroughCopy(const std::function<void(SettingsFile& copy)>& writes);

 private:
  std::unique_ptr<platform::Profile> profile_;
  std::string path_;
  SettingsFiles store_;
};

// The copy that a write through a copy makes of the file `file_path`.
std::string SettingsCopyPath(const std::string& file_path);

// The settings file at `path`.
SettingsFile OpenSettingsFile(std::string path);

inline SettingsFile SettingsFiles::Open(std::string path) const {
  return SettingsFile(std::move(path), *this);
}

}  // namespace vyr
