#include "platform/drives.h"

#include "platform/posix/native_path.h"
#include "platform/volumes.h"

namespace vyr::platform {

std::vector<DriveInfo> LogicalDrives() {
  std::vector<DriveInfo> drives;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    if (posix::DriveRoot(letter)) drives.push_back({letter, DriveType::kFixed, VolumeLabel(letter), {}});
  }
  return drives;
}

}  // namespace vyr::platform
