// The run as a whole: start-up, the first paint and the close, and the
// wiring of the session to the controllers that the main window's events
// reach.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "desktop/drops.h"
#include "desktop/hot_keys.h"
#include "desktop/mini_window.h"
#include "desktop/settings_dialog.h"
#include "desktop/tray_icon_view.h"
#include "desktop/tray_menus.h"
#include "desktop/tray_mode.h"
#include "index/index_store.h"
#include "index/scanner.h"
#include "jump/go_action.h"
#include "jump/go_button.h"
#include "platform/drives.h"
#include "platform/shell.h"
#include "platform/volumes.h"
#include "session/drive_scans.h"
#include "session/drive_selection.h"
#include "session/session.h"
#include "settings/settings_file.h"
#include "ui/about_box_view.h"
#include "ui/main_window_view.h"
#include "ui/mini_window_view.h"
#include "ui/warning_box.h"

namespace vyr {

// The settings dialog, the command editor it opens, and the boxes that ask
// from in front of it.
struct SettingsWindows {
  SettingsDialogView& dialog;
  CommandRowsView& rows;
  CommandEditorView& editor;
  WarningBox& warnings;
  YesNoBox& questions;
  ConfirmationBox& confirmation;
};

struct ApplicationViews {
  MainWindowView& main;
  ChooserView& chooser;
  ScanView& scan;
  MiniWindowView& mini;
  TrayIconView& tray;
  TrayMenusView& menus;
  AboutBoxView& about;
  platform::Shell& shell;
  WarningBox& warnings;
  SettingsWindows settings;
};

// What the run needs of the machine, each replaceable in a test.
struct ApplicationServices {
  platform::FileSystem& files;
  platform::DirectoryLister& lister;
  platform::Drives& drives;
  platform::Volumes& volumes;
  SettingsFiles settings_files;
  HotKeyService& hot_keys;
  // When given, lets scans walk on several threads.
  ListerMaker more_listers = {};
};

class Application {
 public:
  Application(ApplicationViews views, ApplicationServices services, std::string program_path,
              std::string program_directory);

  // Start-up after the windows exist: the drive box, the command line, the
  // settings, the drive-scan menu and the Command list.
  void Start(const std::vector<std::string>& args);

  // Runs on every paint of the main window.
  void OnPaint();
  void Go() { go_button_.Press(); }
  void ScanShownDrive() { scans_.ScanShownDrive(); }
  void ScanFromMenu(std::size_t position) { scans_.ScanFromMenu(position); }
  // The user picked entry `position` of the drive box.
  void OnDriveBoxPick(std::size_t position) { drives_.Pick(position); }
  // Files dropped on the main window.
  void OnMainWindowDrop(const std::vector<std::string>& paths) { drops_.OnMainWindowDrop(paths); }
  // Esc in the input box: the end of a one-shot run.
  void OnEscape();
  // The close query: the exit save. Never refuses.
  void OnCloseQuery();
  // The exit save alone, for a session that is ending: the process may end
  // without a close, or go on when the end is called off.
  void SaveSettings();

  TrayMode& tray_mode() { return tray_mode_; }
  MiniWindow& mini_window() { return mini_window_; }
  SettingsDialog& settings_dialog() { return settings_dialog_; }
  Drops& drops() { return drops_; }
  Session& session() { return session_; }
  const DriveSelection& drives() const { return drives_; }
  bool scanning() const { return scans_.scanning(); }

 private:
  void ReadSettings();
  void ScanAndExit();

  ApplicationViews views_;
  ApplicationServices services_;
  std::string program_path_;
  Session session_;
  IndexStore store_;
  DriveSelection drives_;
  Scanner scanner_;
  DriveScans scans_;
  ExpandAndRun run_;
  GoAction go_;
  GoButton go_button_;
  TrayMenus tray_menus_;
  HotKeyRegistration hot_keys_;
  TrayMode tray_mode_;
  MiniWindow mini_window_;
  SettingsDialog settings_dialog_;
  Drops drops_;

  StartupOptions options_;
  std::unique_ptr<SettingsFile> settings_file_;
  bool first_show_ = true;
  bool first_paint_running_ = false;
  bool first_paint_done_ = false;
};

}  // namespace vyr
