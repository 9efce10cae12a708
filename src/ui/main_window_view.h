// The main window, as the application's controller sees it.
#pragma once

#include <string>
#include <vector>

#include "settings/settings_values.h"
#include "ui/drive_box_view.h"
#include "ui/main_window_control.h"

namespace vyr {

class MainWindowView : public MainWindowControl, public DriveBoxView {
 public:
  virtual std::string InputText() const = 0;
  virtual void SetInputText(const std::string& text) = 0;
  // Refills the input box's drop-down list, newest first.
  virtual void ShowHistory(const std::vector<std::string>& entries) = 0;
  virtual void FillScanMenu(const std::vector<std::string>& captions) = 0;
  // Puts the main window, the Chooser and the Mini window where the settings
  // say, each then moved back inside the work area.
  virtual void PlaceWindows(const SettingsValues& values) = 0;
  // The three windows' positions as they stand now, shown or hidden.
  virtual void TakePlacement(SettingsValues& values) const = 0;
  virtual void SetCompletion(bool on) = 0;
  virtual void SetShown(bool shown) = 0;
};

}  // namespace vyr
