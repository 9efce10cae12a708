// The program's state for the whole run and the sequences that change it:
// start-up, the first paint, the drive box, GO, Scan, and the close.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_window_view.h"
#include "commands/command_list.h"
#include "index/index_store.h"
#include "index/scanner.h"
#include "jump/go_action.h"
#include "platform/drives.h"
#include "settings/settings_file.h"

namespace vyr {

struct ApplicationViews {
  MainWindowView& main;
  ChooserView& chooser;
  ScanView& scan;
  platform::Shell& shell;
  WarningBox& warnings;
};

class Application final : public DriveBox {
 public:
  // `more_listers`, when given, lets scans walk on several threads.
  Application(ApplicationViews views, platform::FileSystem& files,
              platform::DirectoryLister& lister, std::string program_path,
              std::string program_directory, ListerMaker more_listers = {});

  // Start-up after the windows exist: the command line, the drive box, the
  // settings, the drive-scan menu and the Command list.
  void Start(const std::vector<std::string>& args, char current_drive,
             std::vector<platform::DriveInfo> drives);

  // Runs on every paint of the main window.
  void OnPaint();
  void Go() {
    go_.Go(views_.main.InputText(), mini_text_);
    AfterHistoryChange();
  }
  void ScanShownDrive() { Scan(current_letter_); }
  void ScanFromMenu(std::size_t position);
  // The user picked entry `position` of the drive box.
  void OnDriveBoxPick(std::size_t position);
  // Esc in the input box: the end of a one-shot run.
  void OnEscape();
  // The close query: the exit save. Never refuses.
  void OnCloseQuery();

  // DriveBox, for the lookup's drive prefix and the scans.
  char CurrentLetter() const override { return current_letter_; }
  void SelectDrive(char letter) override;

  const SettingsValues& settings() const { return settings_; }
  const RunMode& mode() const { return mode_; }
  const LoadedIndex& index() const { return index_; }
  const History& history() const { return history_; }
  CommandList& commands() { return commands_; }
  bool scanning() const { return scanner_.scanning(); }

 private:
  void ReadSettings();
  void LoadDriveIndex();  // DriveBox1Change
  void Scan(char letter);
  void AfterHistoryChange();
  int EntryOf(char letter) const;

  ApplicationViews views_;
  std::string program_path_;
  IndexStore store_;
  platform::DirectoryLister& lister_;

  StartupOptions options_;
  std::unique_ptr<SettingsFile> settings_file_;
  SettingsValues settings_;
  RunMode mode_;
  History history_;
  CommandList commands_;
  LoadedIndex index_;
  std::vector<platform::DriveInfo> drives_;
  char current_letter_ = 0;
  std::string mini_text_;  // the Mini window's input text

  bool first_show_ = true;
  bool first_paint_running_ = false;
  bool first_paint_done_ = false;

  Scanner scanner_;
  ExpandAndRun run_;
  GoAction go_;
};

}  // namespace vyr
