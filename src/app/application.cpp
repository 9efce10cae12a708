#include "app/application.h"

#include <cctype>

#include "app/drive_entries.h"
#include "settings/settings_keys.h"

namespace vyr {
namespace {

char Lower(char letter) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

}  // namespace

Application::Application(ApplicationViews views, platform::FileSystem& files,
                         platform::DirectoryLister& lister, std::string program_path,
                         std::string program_directory, ListerMaker more_listers)
    : views_(views),
      program_path_(std::move(program_path)),
      store_(files, std::move(program_directory)),
      lister_(lister),
      scanner_(index_, store_, lister_, views.scan, views.warnings, std::move(more_listers)),
      run_(commands_, history_, settings_, mode_, views.shell, views.warnings, views.main),
      go_(index_, *this, history_, settings_, run_, views.chooser, views.shell, views.warnings) {}

void Application::Start(const std::vector<std::string>& args, char current_drive,
                        std::vector<platform::DriveInfo> drives) {
  drives_ = std::move(drives);
  std::vector<DriveBoxEntry> entries;
  std::vector<std::string> captions;
  for (const platform::DriveInfo& drive : drives_) {
    entries.push_back({DriveEntryText(drive), drive.type});
    captions.push_back(ScanMenuCaption(drive.letter));
  }
  views_.main.FillDriveBox(entries);
  // The drive box starts on the current directory's drive, which loads its
  // index; /d then selects another.
  SelectDrive(current_drive);

  options_ = ParseCommandLine(args);
  if (options_.drive) SelectDrive(*options_.drive);
  mode_.one_shot = options_.one_shot;
  mode_.current_command = options_.one_shot ? options_.current_command : 0;
  settings_file_ = std::make_unique<SettingsFile>(
      OpenSettingsFile(options_.settings_path.value_or(DefaultSettingsPath(program_path_))));
  ReadSettings();
  views_.main.FillScanMenu(captions);
  commands_.Load(*settings_file_);
}

void Application::ReadSettings() {
  SettingsFile& file = *settings_file_;
  ReadSettingsStep(file, ReadStep::kMainWindow, settings_);
  ReadSettingsStep(file, ReadStep::kOptions, settings_);
  views_.main.SetCompletion(settings_.use_auto_complete);
  ReadSettingsStep(file, ReadStep::kOtherWindows, settings_);
  views_.main.PlaceWindows(settings_);
  history_.Assign(ReadHistoryEntries(file, settings_.history_limit));
  views_.main.ShowHistory(history_.Entries());
  ReadSettingsStep(file, ReadStep::kTrayMode, settings_);
}

void Application::OnPaint() {
  // A paint that arrives while this work runs (a message box of the scan is
  // up, say) must not start it again.
  if (mode_.one_shot || first_paint_running_ || first_paint_done_) return;
  if (options_.scan_and_exit) {
    first_paint_running_ = true;
    for (char letter : options_.scan_drives) {
      // A letter that is no drive is not scanned: its scan would be saved
      // under the label of the drive shown, over that drive's pair.
      if (EntryOf(letter) < 0) continue;
      SelectDrive(letter);
      Scan(letter);
    }
    first_paint_done_ = true;
    views_.main.Close();
    return;
  }
  if (first_show_) {
    first_show_ = false;
    // Tray mode comes with the tray icon; until then the window stays shown.
    first_paint_done_ = true;
  }
}

void Application::ScanFromMenu(std::size_t position) {
  if (position >= drives_.size()) return;
  const char letter =
      static_cast<char>(std::toupper(static_cast<unsigned char>(drives_[position].letter)));
  SelectDrive(letter);
  Scan(letter);
}

void Application::OnDriveBoxPick(std::size_t position) {
  if (position >= drives_.size() || drives_[position].letter == current_letter_) return;
  current_letter_ = drives_[position].letter;
  LoadDriveIndex();
}

void Application::OnEscape() {
  if (mode_.one_shot) views_.main.Close();
}

void Application::OnCloseQuery() {
  index_.Clear();
  if (!settings_file_) return;
  views_.main.TakePlacement(settings_);
  ExitSave(*settings_file_, settings_, history_.Entries());
}

void Application::SelectDrive(char letter) {
  if (current_letter_ != 0 && Lower(letter) == current_letter_) return;
  const int entry = EntryOf(letter);
  // A letter that names no drive leaves the drive box, and its index, as
  // they are: the lookup then searches the drive shown.
  if (entry < 0) return;
  views_.main.ShowDriveEntry(entry);
  current_letter_ = drives_[static_cast<std::size_t>(entry)].letter;
  LoadDriveIndex();
}

int Application::EntryOf(char letter) const {
  for (std::size_t k = 0; k < drives_.size(); ++k) {
    if (drives_[k].letter == Lower(letter)) return static_cast<int>(k);
  }
  return -1;
}

void Application::LoadDriveIndex() {
  index_.Clear();
  views_.main.RepaintDriveBox();
  LoadIndexOfDrive(current_letter_, store_, index_);
}

void Application::Scan(char letter) {
  if (letter == 0) return;
  scanner_.Scan(letter, settings_.skip_system_directories);
}

void Application::AfterHistoryChange() {
  views_.main.ShowHistory(history_.Entries());
}

}  // namespace vyr
