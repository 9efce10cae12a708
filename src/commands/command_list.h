// The user's ordered Command list and its section of the settings file.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "commands/command_entry.h"
#include "settings/settings_file.h"

namespace vyr {

// The hot key of the entry at position p is registered as this plus p.
inline constexpr int kCommandHotKeyBase = 4096;
// The launch-menu item of the entry at position p carries this plus p.
inline constexpr int kLaunchMenuTagBase = 9000;
// A hand-edited file may claim any count; no more entries than this are read,
// so that a start-up cannot be made to read keys for hours. A launch menu of
// a thousand commands is already past use.
inline constexpr int kMostCommandsRead = 1024;

class CommandList {
 public:
  // The two entries used while the settings file holds none.
  static std::vector<CommandEntry> DefaultEntries();

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const CommandEntry& operator[](std::size_t position) const { return entries_[position]; }
  CommandEntry& operator[](std::size_t position) { return entries_[position]; }
  const std::vector<CommandEntry>& entries() const { return entries_; }

  // The entry at `position`, or nothing when it is no position of the list.
  const CommandEntry* At(long long position) const;

  CommandEntry& Add(CommandEntry entry);
  // `position` at most size(): the entries from there on move down one.
  void Insert(std::size_t position, CommandEntry entry);
  // A position of the list: the entries after it move up one.
  void Remove(std::size_t position);
  void Clear() { entries_.clear(); }

  // COMMANDS NUM = 0 or absent gives the default list (nothing is written);
  // a negative count gives an empty list, a count above kMostCommandsRead
  // that many entries.
  void Load(SettingsFile& file);
  // All or nothing, through a copy of the file. Raises SettingsWriteError.
  void Save(SettingsFile& file) const;
  // Empties the list, saves it (NUM = 0 only) and loads the default list.
  // Raises SettingsWriteError, the list then loaded from the file again.
  void ResetToDefault(SettingsFile& file);

 private:
  std::vector<CommandEntry> entries_;
};

}  // namespace vyr
