// The plain state of one run, owned in one place: what the settings file
// gave and the run changes, the mode the command line chose, the history,
// the Command list and the index of the drive shown. Controllers receive the
// session; none of them owns a piece of it.
#pragma once

#include "commands/command_list.h"
#include "index/loaded_index.h"
#include "jump/expand_and_run.h"
#include "jump/history.h"
#include "settings/settings_values.h"

namespace vyr {

struct Session {
  SettingsValues settings;
  RunMode mode;
  History history;
  CommandList commands;
  LoadedIndex index;
};

}  // namespace vyr
