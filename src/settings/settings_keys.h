// Every key of the settings file but the Command list's, in one table that
// the start-up reading and the exit save both walk.
#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "settings/settings_values.h"
#include "settings/settings_file.h"

namespace vyr {

// The reading at start-up goes in these steps; the program does its own work
// between them (placing windows, the work-area clamp).
enum class ReadStep { kMainWindow = 1, kOptions, kOtherWindows, kTrayMode };

// The member a key fills; its type is the key's form.
using SettingsField =
    std::variant<int SettingsValues::*, bool SettingsValues::*, KeyCombination SettingsValues::*>;

struct SettingsKey {
  const char* section;
  const char* key;
  SettingsField field;
  ReadStep step;
};

// In the order of the exit save.
std::span<const SettingsKey> AllSettingsKeys();

// Reads the keys of one step into `values`; a missing or unreadable key
// gives the value's default.
void ReadSettingsStep(SettingsFile& file, ReadStep step, SettingsValues& values);

// The stored history: the first min(NUM, limit) entries, key "1" first.
std::vector<std::string> ReadHistoryEntries(SettingsFile& file, int limit);

// Writes every key of the table, then the history; raises SettingsWriteError
// and leaves the remaining keys unwritten.
void WriteAllSettings(SettingsFile& file, const SettingsValues& values,
                      const std::vector<std::string>& history);

// The exit save: as above, all or nothing through a copy of the file, a
// failure swallowed so that the close goes on.
void ExitSave(SettingsFile& file, const SettingsValues& values,
              const std::vector<std::string>& history);

// The program's path with its extension replaced by ".INI".
std::string DefaultSettingsPath(const std::string& program_path);

}  // namespace vyr
