#include "session/drive_scans.h"

#include <cctype>

namespace vyr {

void DriveScans::ScanFromMenu(std::size_t position) {
  if (position >= drives_.drives().size()) return;
  const char letter = static_cast<char>(
      std::toupper(static_cast<unsigned char>(drives_.drives()[position].letter)));
  drives_.SelectDrive(letter);
  Scan(letter);
}

void DriveScans::ScanGivenDrive(char letter) {
  if (!drives_.Lists(letter)) return;
  drives_.SelectDrive(letter);
  Scan(letter);
}

void DriveScans::Scan(char letter) {
  if (letter == 0) return;
  scanner_.Scan(letter, settings_.skip_system_directories);
}

}  // namespace vyr
