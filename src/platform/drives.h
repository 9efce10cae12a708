// The drives the system reports, for the drive box.
#pragma once

#include <cctype>
#include <string>
#include <vector>

namespace vyr::platform {

enum class DriveType { kUnknown, kRemovable, kFixed, kNetwork, kCdRom, kRamDisk };

// A drive letter as DriveInfo holds it.
inline char LowerDriveLetter(char letter) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

struct DriveInfo {
  char letter;  // lower case
  DriveType type;
  std::string label;        // volume label of fixed, CD-ROM and RAM drives
  std::string remote_name;  // of a network drive; empty when unknown
};

// Every logical drive, in letter order (Windows: GetLogicalDrives,
// GetDriveTypeA, WNetGetConnectionA; Linux: the drives of VYR_DRIVES).
std::vector<DriveInfo> LogicalDrives();

// The drives as the controllers receive them, so that a test names its own.
class Drives {
 public:
  virtual ~Drives() = default;
  virtual std::vector<DriveInfo> List() = 0;
  // Letter of the current directory's drive (lower case), or 0 when unknown.
  virtual char CurrentLetter() = 0;
};

// LogicalDrives and CurrentDriveLetter of this machine.
Drives& RealDrives();

}  // namespace vyr::platform
