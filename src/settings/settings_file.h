// The settings file: typed reads with defaults, and writes that raise.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/profile.h"
#include "settings/shortcut_text.h"

namespace vyr {

// "%s に書き込めません" with the settings file's path.
class SettingsWriteError : public std::runtime_error {
 public:
  explicit SettingsWriteError(const std::string& path);
};

class SettingsFile {
 public:
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

 private:
  std::unique_ptr<platform::Profile> profile_;
  std::string path_;
};

// The settings file at `path`.
SettingsFile OpenSettingsFile(std::string path);

// Where the controllers get the settings file from: the file itself, or a
// test's profile in memory.
class SettingsFiles {
 public:
  virtual ~SettingsFiles() = default;
  virtual SettingsFile Open(std::string path) = 0;
};

// OpenSettingsFile.
SettingsFiles& RealSettingsFiles();

}  // namespace vyr
