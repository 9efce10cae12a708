// The values that the settings file keeps between runs, as the program holds
// them while it runs.
#pragma once

#include "settings/shortcut_text.h"

namespace vyr {

struct SettingsValues {
  // Window positions, as the windows stand.
  int main_top = 10;
  int main_left = 10;
  int main_width = 10;  // raised to the window's minimum width when applied
  int chooser_top = 10;
  int chooser_left = 10;
  int chooser_width = 300;
  int chooser_height = 300;
  int mini_top = 300;
  int mini_left = 300;
  int mini_width = 250;

  bool tray_mode = false;
  KeyCombination scan_hot_key = kCtrl | kAlt | 'S';
  bool swap_menus = false;
  bool skip_system_directories = false;
  bool use_auto_complete = false;
  bool close_input_method = false;
  bool history_takes_input = false;
  int history_limit = 16;
};

}  // namespace vyr
