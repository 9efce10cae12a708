// The main window: its input text and drop-down list as state, everything
// else it is told as a line of the log.
#pragma once

#include <string>
#include <vector>

#include "ui/main_window_view.h"
#include "fakes/effect_log.h"

namespace vyr::test {

class FakeMainWindow final : public MainWindowView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  std::string input;
  std::vector<std::string> history;        // the drop-down list shown
  std::vector<std::string> drive_entries;  // the drive box's texts
  std::vector<std::string> scan_menu;
  bool completion = false;
  SettingsValues placement;  // what TakePlacement reports

  std::string InputText() const override { return input; }
  void SetInputText(const std::string& text) override {
    input = text;
    Log("main: text " + text);
  }
  void ShowHistory(const std::vector<std::string>& entries) override { history = entries; }
  void FillDriveBox(const std::vector<DriveBoxEntry>& entries) override {
    drive_entries.clear();
    for (const DriveBoxEntry& entry : entries) drive_entries.push_back(entry.text);
  }
  void ShowDriveEntry(int index) override { Log("main: drive entry " + std::to_string(index)); }
  void RepaintDriveBox() override {}
  void FillScanMenu(const std::vector<std::string>& captions) override { scan_menu = captions; }
  void PlaceWindows(const SettingsValues&) override { Log("main: place windows"); }
  void TakePlacement(SettingsValues& values) const override {
    values.main_top = placement.main_top;
    values.main_left = placement.main_left;
    values.main_width = placement.main_width;
  }
  void SetCompletion(bool on) override { completion = on; }
  void SetShown(bool shown) override { Log(shown ? "main: show" : "main: hide"); }
  void Close() override { Log("main: close"); }
};

}  // namespace vyr::test
