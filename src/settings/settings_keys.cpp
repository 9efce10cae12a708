#include "settings/settings_keys.h"

#include <algorithm>

#include "base/sjis.h"

namespace vyr {
namespace {

using SV = SettingsValues;

constexpr char kDesktop[] = "DESKTOP";
constexpr char kOption[] = "OPTION";
constexpr char kHistory[] = "HISTORY";

// The defaults are the members' initial values in SettingsValues.
const SettingsKey kKeys[] = {
    {kDesktop, "MAINTOP", &SV::main_top, ReadStep::kMainWindow},
    {kDesktop, "MAINLEFT", &SV::main_left, ReadStep::kMainWindow},
    {kDesktop, "MAINWIDTH", &SV::main_width, ReadStep::kMainWindow},
    {kDesktop, "2TOP", &SV::chooser_top, ReadStep::kOtherWindows},
    {kDesktop, "2LEFT", &SV::chooser_left, ReadStep::kOtherWindows},
    {kDesktop, "2WIDTH", &SV::chooser_width, ReadStep::kOtherWindows},
    {kDesktop, "2HEIGHT", &SV::chooser_height, ReadStep::kOtherWindows},
    {kDesktop, "4TOP", &SV::mini_top, ReadStep::kOtherWindows},
    {kDesktop, "4LEFT", &SV::mini_left, ReadStep::kOtherWindows},
    {kDesktop, "4WIDTH", &SV::mini_width, ReadStep::kOtherWindows},
    {kOption, "HOTKEY2", &SV::scan_hot_key, ReadStep::kOptions},
    {kOption, "SWAPLRMENU", &SV::swap_menus, ReadStep::kOptions},
    {kOption, "IGNORESYSDIR", &SV::skip_system_directories, ReadStep::kOptions},
    {kOption, "USEAUTOCOMPLETE", &SV::use_auto_complete, ReadStep::kOptions},
    {kOption, "AUTOCLOSEIME", &SV::close_input_method, ReadStep::kOptions},
    {kOption, "ADDHISTORYTOINPUTED", &SV::history_takes_input, ReadStep::kOptions},
    {kOption, "MAXHISTORYCOUNT", &SV::history_limit, ReadStep::kOptions},
    {kDesktop, "TASKTRAY", &SV::tray_mode, ReadStep::kTrayMode},
};

void ReadKey(SettingsFile& file, const SettingsKey& key, SettingsValues& values) {
  std::visit(
      [&](auto member) {
        using Value = std::remove_reference_t<decltype(values.*member)>;
        auto& value = values.*member;
        if constexpr (std::is_same_v<Value, bool>) {
          value = file.ReadBool(key.section, key.key, value);
        } else if constexpr (std::is_same_v<Value, KeyCombination>) {
          value = file.ReadShortcut(key.section, key.key, value);
        } else {
          value = file.ReadInteger(key.section, key.key, value);
        }
      },
      key.field);
}

void WriteKey(SettingsFile& file, const SettingsKey& key, const SettingsValues& values) {
  std::visit(
      [&](auto member) {
        using Value = std::remove_cv_t<std::remove_reference_t<decltype(values.*member)>>;
        const auto& value = values.*member;
        if constexpr (std::is_same_v<Value, bool>) {
          file.WriteBool(key.section, key.key, value);
        } else if constexpr (std::is_same_v<Value, KeyCombination>) {
          file.WriteShortcut(key.section, key.key, value);
        } else {
          file.WriteInteger(key.section, key.key, value);
        }
      },
      key.field);
}

}  // namespace

std::span<const SettingsKey> AllSettingsKeys() { return kKeys; }

void ReadSettingsStep(SettingsFile& file, ReadStep step, SettingsValues& values) {
  // Within a step the keys are read in table order, which for every step is
  // the order of the exit save too.
  for (const SettingsKey& key : kKeys) {
    if (key.step == step) ReadKey(file, key, values);
  }
}

// A hand-edited file may claim any count; more entries than this are never
// read, so that a start-up cannot be made to read keys for hours.
constexpr int kMostHistoryRead = 4096;

std::vector<std::string> ReadHistoryEntries(SettingsFile& file, int limit) {
  const int count = std::min({file.ReadInteger(kHistory, "NUM", 0), limit, kMostHistoryRead});
  std::vector<std::string> entries;
  for (int k = 1; k <= count; ++k) entries.push_back(file.ReadString(kHistory, std::to_string(k)));
  return entries;
}

void WriteAllSettings(SettingsFile& file, const SettingsValues& values,
                      const std::vector<std::string>& history) {
  for (const SettingsKey& key : kKeys) WriteKey(file, key, values);
  file.WriteInteger(kHistory, "NUM", static_cast<int>(history.size()));
  for (std::size_t k = 0; k < history.size(); ++k) {
    file.WriteString(kHistory, std::to_string(k + 1), history[k]);
  }
}

void ExitSave(SettingsFile& file, const SettingsValues& values,
              const std::vector<std::string>& history) {
  try {
    // Key by key into the file itself, a save cut short by a crash or a power
    // cut could leave it half old and half new, or truncated and the Command
    // list lost.
    file.WriteThroughCopy([&](SettingsFile& copy) { WriteAllSettings(copy, values, history); });
  } catch (const SettingsWriteError&) {
    // Nothing is shown at exit: the window closes all the same.
  }
}

std::string DefaultSettingsPath(const std::string& program_path) {
  const std::size_t backslash = FindLastChar(program_path, '\\');
  const std::size_t name_start = backslash == kNotFound ? 0 : backslash + 1;
  const std::size_t dot = FindLastChar(std::string_view(program_path).substr(name_start), '.');
  const std::size_t cut = dot == kNotFound ? program_path.size() : name_start + dot;
  return program_path.substr(0, cut) + ".INI";
}

}  // namespace vyr
