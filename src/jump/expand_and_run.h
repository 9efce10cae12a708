// The one operation that starts a user command on a directory and a text.
#pragma once

#include <string_view>

#include "ui/warning_box.h"
#include "commands/command_list.h"
#include "jump/history.h"
#include "platform/shell.h"
#include "settings/settings_values.h"
#include "ui/main_window_control.h"

namespace vyr {

// How the program runs for the whole session, from its command line.
struct RunMode {
  bool one_shot = false;
  // The entry that GO starts in tray mode and in one-shot mode; may be no
  // position of the list at all (a bad /o value), which starts nothing.
  long long current_command = 0;
};

class ExpandAndRun {
 public:
  ExpandAndRun(const CommandList& commands, History& history, const SettingsValues& settings,
               const RunMode& mode, platform::Shell& shell, WarningBox& warnings, MainWindowControl& main)
      : commands_(commands), history_(history), settings_(settings), mode_(mode), shell_(shell),
        warnings_(warnings), main_(main) {}

  // Records `directory` in the history (unless the history takes typed
  // texts), starts the chosen command with its parameters expanded, and in
  // one-shot mode closes the program.
  void Run(std::string_view directory, std::string_view input);

 private:
  const CommandEntry* ChosenCommand() const;

  const CommandList& commands_;
  History& history_;
  const SettingsValues& settings_;
  const RunMode& mode_;
  platform::Shell& shell_;
  WarningBox& warnings_;
  MainWindowControl& main_;
};

}  // namespace vyr
