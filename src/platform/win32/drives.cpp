#include "platform/drives.h"

#include <windows.h>
#include <winnetwk.h>

#include "platform/volumes.h"

namespace vyr::platform {
namespace {

DriveType TypeOf(UINT type) {
  switch (type) {
    case DRIVE_REMOVABLE: return DriveType::kRemovable;
    case DRIVE_FIXED: return DriveType::kFixed;
    case DRIVE_REMOTE: return DriveType::kNetwork;
    case DRIVE_CDROM: return DriveType::kCdRom;
    case DRIVE_RAMDISK: return DriveType::kRamDisk;
    default: return DriveType::kUnknown;
  }
}

std::string RemoteName(char letter) {
  const char local[] = {letter, ':', '\0'};
  char remote[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  if (WNetGetConnectionA(local, remote, &size) != NO_ERROR) return {};
  return remote;
}

}  // namespace

std::vector<DriveInfo> LogicalDrives() {
  std::vector<DriveInfo> drives;
  const DWORD mask = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if ((mask & (1u << bit)) == 0) continue;
    const char letter = static_cast<char>('a' + bit);
    const char root[] = {letter, ':', '\\', '\0'};
    DriveInfo drive{letter, TypeOf(GetDriveTypeA(root)), {}, {}};
    // A removable drive is not asked for its label: that would spin up a
    // floppy drive, or wait for a medium.
    if (drive.type != DriveType::kRemovable) drive.label = VolumeLabel(letter);
    if (drive.type == DriveType::kNetwork) drive.remote_name = RemoteName(letter);
    drives.push_back(drive);
  }
  return drives;
}

}  // namespace vyr::platform
