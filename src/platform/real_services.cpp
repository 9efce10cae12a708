// The drive and volume services over this machine's own functions.
#include "platform/drives.h"
#include "platform/volumes.h"

namespace vyr::platform {
namespace {

class MachineDrives final : public Drives {
 public:
  std::vector<DriveInfo> List() override { return LogicalDrives(); }
  char CurrentLetter() override { return CurrentDriveLetter(); }
};

class MachineVolumes final : public Volumes {
 public:
  std::string Label(char letter) override { return VolumeLabel(letter); }
};

}  // namespace

Drives& RealDrives() {
  static MachineDrives drives;
  return drives;
}

Volumes& RealVolumes() {
  static MachineVolumes volumes;
  return volumes;
}

}  // namespace vyr::platform
