// The main window's drive box, as the drive selection sees it.
#pragma once

#include <string>
#include <vector>

#include "platform/drives.h"

namespace vyr {

// One entry of the drive box: its text and the drive's kind, for its picture.
struct DriveBoxEntry {
  std::string text;
  platform::DriveType type;
};

class DriveBoxView {
 public:
  virtual ~DriveBoxView() = default;
  virtual void FillDriveBox(const std::vector<DriveBoxEntry>& entries) = 0;
  virtual void ShowDriveEntry(int index) = 0;
  // Paints the box now: the index of the new drive loads before the next
  // message is served.
  virtual void RepaintDriveBox() = 0;
};

}  // namespace vyr
