#include "app/application.h"

#include "session/drive_entries.h"
#include "settings/settings_keys.h"

namespace vyr {

Application::Application(ApplicationViews views, ApplicationServices services,
                         std::string program_path, std::string program_directory)
    : views_(views),
      services_(std::move(services)),
      program_path_(std::move(program_path)),
      store_(services_.files, std::move(program_directory)),
      drives_(views.main, services_.volumes, store_, session_.index),
      scanner_(session_.index, store_, services_.lister, views.scan, views.warnings,
               services_.more_listers),
      scans_(drives_, scanner_, session_.settings),
      run_(session_.commands, session_.history, session_.settings, session_.mode, views.shell,
           views.warnings, views.main),
      go_(session_.index, drives_, session_.history, session_.settings, run_, views.chooser,
          views.shell, views.warnings),
      go_button_(go_, session_.history, views.main, views.mini),
      tray_menus_(session_.commands, session_.history, views.menus, views.mini),
      hot_keys_(services_.hot_keys, session_.settings, session_.commands),
      tray_mode_(session_, TrayModeViews{views.main, views.tray, views.about}, tray_menus_,
                 hot_keys_, go_button_),
      mini_window_(session_, MiniWindowViews{views.mini, views.main, views.tray},
                   MiniWindowParts{tray_menus_, hot_keys_, go_button_, run_, scans_, drives_}),
      settings_dialog_(session_,
                       SettingsDialogViews{views.settings.dialog, views.settings.rows,
                                           views.settings.editor, views.main, views.mini,
                                           views.tray, views.settings.warnings, views.warnings,
                                           views.settings.questions, views.settings.confirmation},
                       SettingsDialogParts{tray_menus_, hot_keys_, tray_mode_}),
      drops_(run_, views.mini) {}

void Application::Start(const std::vector<std::string>& args) {
  drives_.Fill(services_.drives.List());
  // The drive box starts on the current directory's drive, which loads its
  // index; /d then selects another.
  drives_.SelectDrive(services_.drives.CurrentLetter());

  options_ = ParseCommandLine(args);
  if (options_.drive) drives_.SelectDrive(*options_.drive);
  session_.mode.one_shot = options_.one_shot;
  session_.mode.current_command = options_.one_shot ? options_.current_command : 0;
  settings_file_ = std::make_unique<SettingsFile>(services_.settings_files.Open(
      options_.settings_path.value_or(DefaultSettingsPath(program_path_))));
  ReadSettings();
  settings_dialog_.UseSettingsFile(*settings_file_);
  std::vector<std::string> captions;
  for (const platform::DriveInfo& drive : drives_.drives()) {
    captions.push_back(ScanMenuCaption(drive.letter));
  }
  views_.main.FillScanMenu(captions);
  session_.commands.Load(*settings_file_);
  tray_mode_.AssignTrayMenus();
}

void Application::ReadSettings() {
  SettingsFile& file = *settings_file_;
  SettingsValues& settings = session_.settings;
  ReadSettingsStep(file, ReadStep::kMainWindow, settings);
  ReadSettingsStep(file, ReadStep::kOptions, settings);
  ApplyInputOptions(settings, views_.main, views_.mini);
  ReadSettingsStep(file, ReadStep::kOtherWindows, settings);
  views_.main.PlaceWindows(settings);
  session_.history.Assign(ReadHistoryEntries(file, settings.history_limit));
  views_.main.ShowHistory(session_.history.Entries());
  ReadSettingsStep(file, ReadStep::kTrayMode, settings);
}

void Application::OnPaint() {
  // A paint that arrives while this work runs (a message box of the scan is
  // up, say) must not start it again.
  if (session_.mode.one_shot || first_paint_running_ || first_paint_done_) return;
  if (options_.scan_and_exit) {
    ScanAndExit();
    return;
  }
  if (first_show_) {
    first_show_ = false;
    first_paint_done_ = true;
    if (session_.settings.tray_mode) tray_mode_.Enter();
  }
}

void Application::ScanAndExit() {
  first_paint_running_ = true;
  for (char letter : options_.scan_drives) scans_.ScanGivenDrive(letter);
  first_paint_done_ = true;
  views_.main.Close();
}

void Application::OnEscape() {
  if (session_.mode.one_shot) views_.main.Close();
}

void Application::OnCloseQuery() {
  session_.index.Clear();
  SaveSettings();
}

void Application::SaveSettings() {
  if (!settings_file_) return;
  views_.main.TakePlacement(session_.settings);
  ExitSave(*settings_file_, session_.settings, session_.history.Entries());
}

}  // namespace vyr
