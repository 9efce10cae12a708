#include "settings/settings_file.h"

#include <cstdio>
#include <vector>

#include "settings/settings_texts.h"
#include "settings/value_forms.h"

namespace vyr {
namespace {

std::string CannotWriteText(const std::string& path) {
  std::vector<char> text(path.size() + sizeof texts::kCannotWriteFormat);
  std::snprintf(text.data(), text.size(), texts::kCannotWriteFormat, path.c_str());
  return text.data();
}

// A line end inside a value would end its line in the file and could start
// a section of its own: such bytes are written as blanks.
std::string OneLine(std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

}  // namespace

SettingsWriteError::SettingsWriteError(const std::string& path)
    : std::runtime_error(CannotWriteText(path)) {}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) {
  return profile_->ReadString(section, key, fallback);
}

int SettingsFile::ReadInteger(std::string_view section, std::string_view key, int fallback) {
  return ParseSettingsInteger(profile_->ReadString(section, key, "")).value_or(fallback);
}

bool SettingsFile::ReadBool(std::string_view section, std::string_view key, bool fallback) {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

KeyCombination SettingsFile::ReadShortcut(std::string_view section, std::string_view key,
                                          KeyCombination fallback) {
  return TextToShortcut(profile_->ReadString(section, key, ShortcutToText(fallback)));
}

void SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
  if (!profile_->WriteString(section, key, OneLine(value))) throw SettingsWriteError(path_);
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void SettingsFile::WriteShortcut(std::string_view section, std::string_view key,
                                 KeyCombination value) {
  WriteString(section, key, ShortcutToText(value));
}

SettingsFile OpenSettingsFile(std::string path) {
  return SettingsFile(platform::OpenProfile(path), path);
}

namespace {

class ProfileFiles final : public SettingsFiles {
 public:
  SettingsFile Open(std::string path) override { return OpenSettingsFile(std::move(path)); }
};

}  // namespace

SettingsFiles& RealSettingsFiles() {
  static ProfileFiles files;
  return files;
}

}  // namespace vyr
