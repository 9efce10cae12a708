// The roads into the one scan operation: the Scan button (and the scan hot
// key), the drive-scan menu and scan-and-exit mode. Each selects the drive
// first, so that the scan starts from that drive's previous index.
#pragma once

#include <cstddef>

#include "session/drive_selection.h"
#include "index/scanner.h"
#include "settings/settings_values.h"

namespace vyr {

class DriveScans {
 public:
  DriveScans(DriveSelection& drives, Scanner& scanner, const SettingsValues& settings)
      : drives_(drives), scanner_(scanner), settings_(settings) {}

  // The drive the box shows, with its letter in lower case.
  void ScanShownDrive() { Scan(drives_.CurrentLetter()); }
  // Entry `position` of the drive-scan menu, with its caption's upper-case letter.
  void ScanFromMenu(std::size_t position);
  // A letter of scan-and-exit mode, as typed; a letter that names no drive
  // is not scanned, since its scan would be saved under the label of the
  // drive shown, over that drive's pair.
  void ScanGivenDrive(char letter);

  bool scanning() const { return scanner_.scanning(); }

 private:
  void Scan(char letter);

  DriveSelection& drives_;
  Scanner& scanner_;
  const SettingsValues& settings_;
};

}  // namespace vyr
