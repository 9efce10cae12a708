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

// Removes the copy unless it has taken the file's place.
class CopyBeside {
 public:
  CopyBeside(platform::FileSystem& files, std::string path)
      : files_(files), path_(std::move(path)) {}
  ~CopyBeside() {
    if (!placed_) files_.RemoveFile(path_);
  }
  CopyBeside(const CopyBeside&) = delete;
  CopyBeside& operator=(const CopyBeside&) = delete;

  const std::string& path() const { return path_; }
  void Placed() { placed_ = true; }

 private:
  platform::FileSystem& files_;
  std::string path_;
  bool placed_ = false;
};

}  // namespace

SettingsWriteError::SettingsWriteError(const std::string& path)
    : std::runtime_error(CannotWriteText(path)) {}

SettingsFile::SettingsFile(std::string path, SettingsFiles store)
    : profile_(store.open_profile(path)), path_(std::move(path)), store_(std::move(store)) {}

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

void SettingsFile::WriteThroughCopy(const std::function<void(SettingsFile& copy)>& writes) {
  if (store_.files == nullptr) {
    writes(*this);
    return;
  }
  platform::FileSystem& files = *store_.files;
  // File operations must meet the very file that the profile functions use.
  const std::string target = platform::ProfileFilePath(path_);
  CopyBeside copy(files, SettingsCopyPath(target));
  const bool existed = !files.IsMissing(target);
  // A copy left by a save that was cut short is stale: it goes first.
  bool whole =
      files.RemoveFile(copy.path()) && (!existed || files.CopyWholeFile(target, copy.path()));
  if (whole) {
    try {
      SettingsFile copy_file(copy.path(), store_);
      writes(copy_file);
      copy_file.profile_->Flush();
    } catch (const SettingsWriteError&) {
      whole = false;
    }
  }
  // Writes that made no file where there was none leave nothing to put in place.
  if (whole && (existed || !files.IsMissing(copy.path()))) {
    whole = files.MoveOver(copy.path(), target);
  }
  if (!whole) throw SettingsWriteError(path_);
  copy.Placed();
}

std::string SettingsCopyPath(const std::string& file_path) {
  return file_path + ".new";
}

SettingsFiles RealSettingsFiles() { return {&platform::OpenProfile, &platform::RealFileSystem()}; }

SettingsFile OpenSettingsFile(std::string path) { return RealSettingsFiles().Open(std::move(path)); }

}  // namespace vyr
