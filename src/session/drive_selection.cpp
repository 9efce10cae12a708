#include "session/drive_selection.h"

#include "session/drive_entries.h"

namespace vyr {
void DriveSelection::Fill(std::vector<platform::DriveInfo> drives) {
  drives_ = std::move(drives);
  std::vector<DriveBoxEntry> entries;
  for (const platform::DriveInfo& drive : drives_) {
    entries.push_back({DriveEntryText(drive), drive.type});
  }
  view_.FillDriveBox(entries);
}

void DriveSelection::SelectDrive(char letter) {
  if (current_letter_ != 0 && platform::LowerDriveLetter(letter) == current_letter_) return;
  // A letter that names no drive leaves the box, and its index, as they are:
  // the lookup then searches the drive shown.
  const std::optional<std::size_t> entry = EntryOf(letter);
  if (!entry) return;
  view_.ShowDriveEntry(static_cast<int>(*entry));
  current_letter_ = drives_[*entry].letter;
  LoadIndex();
}

void DriveSelection::Pick(std::size_t position) {
  if (position >= drives_.size() || drives_[position].letter == current_letter_) return;
  current_letter_ = drives_[position].letter;
  LoadIndex();
}

std::optional<std::size_t> DriveSelection::EntryOf(char letter) const {
  for (std::size_t k = 0; k < drives_.size(); ++k) {
    if (drives_[k].letter == platform::LowerDriveLetter(letter)) return k;
  }
  return std::nullopt;
}

void DriveSelection::LoadIndex() {
  index_.Clear();
  view_.RepaintDriveBox();
  store_.Load(volumes_.Label(current_letter_), index_);
}

}  // namespace vyr
