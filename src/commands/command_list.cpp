#include "commands/command_list.h"

#include <algorithm>
#include <string>

#include "commands/commands_texts.h"

namespace vyr {
namespace {

constexpr char kSection[] = "COMMANDS";

std::string Key(const char* word, std::size_t position) {
  return word + std::to_string(position);
}

}  // namespace

std::vector<CommandEntry> CommandList::DefaultEntries() {
  return {{texts::kShowOnDesktop, "Explorer.exe", "%s\\", "", "Ctrl+Alt+G"},
          {texts::kShowAsTree, "Explorer.exe", "/e, %s\\", "", ""}};
}

const CommandEntry* CommandList::At(long long position) const {
  if (position < 0 || static_cast<unsigned long long>(position) >= entries_.size()) return nullptr;
  return &entries_[static_cast<std::size_t>(position)];
}

CommandEntry& CommandList::Add(CommandEntry entry) {
  entries_.push_back(std::move(entry));
  return entries_.back();
}

void CommandList::Load(SettingsFile& file) {
  const int count = std::min(file.ReadInteger(kSection, "NUM", 0), kMostCommandsRead);
  entries_.clear();
  if (count == 0) {
    entries_ = DefaultEntries();
    return;
  }
  for (int n = 0; n < count; ++n) {
    const auto position = static_cast<std::size_t>(n);
    CommandEntry entry;
    entry.parameters = file.ReadString(kSection, Key("OPTION", position));
    entry.directory = file.ReadString(kSection, Key("DIRECTORY", position));
    entry.hot_key = file.ReadString(kSection, Key("HOTKEY", position));
    entry.program = file.ReadString(kSection, Key("COMMANDLINE", position));
    entry.title = file.ReadString(kSection, Key("DESCRIPTION", position));
    Add(std::move(entry));
  }
}

void CommandList::Save(SettingsFile& file) const {
  // Through a copy: a full disk midway must not leave a list of which only
  // the first entries are new, nor a settings file cut short.
  file.WriteThroughCopy([this](SettingsFile& copy) {
    copy.WriteInteger(kSection, "NUM", static_cast<int>(entries_.size()));
    for (std::size_t n = 0; n < entries_.size(); ++n) {
      const CommandEntry& entry = entries_[n];
      copy.WriteString(kSection, Key("DESCRIPTION", n), entry.title);
      copy.WriteString(kSection, Key("COMMANDLINE", n), entry.program);
      copy.WriteString(kSection, Key("OPTION", n), entry.parameters);
      copy.WriteString(kSection, Key("DIRECTORY", n), entry.directory);
      copy.WriteString(kSection, Key("HOTKEY", n), entry.hot_key);
    }
  });
}

void CommandList::Insert(std::size_t position, CommandEntry entry) {
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), std::move(entry));
}

void CommandList::Remove(std::size_t position) {
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
}

void CommandList::ResetToDefault(SettingsFile& file) {
  entries_.clear();
  try {
    Save(file);
  } catch (const SettingsWriteError&) {
    // The file kept its list: so does the program, rather than none at all.
    Load(file);
    throw;
  }
  Load(file);
}

}  // namespace vyr
