// What the drive box and the drive-scan menu show for each drive.
#pragma once

#include <string>

#include "platform/drives.h"

namespace vyr {

// "a:" for a removable drive; "c: [system]" for a fixed, CD-ROM or RAM drive
// (the label lower-cased); "z: \\server\share" for a network drive, or its
// bracketed label when the remote name is unknown.
std::string DriveEntryText(const platform::DriveInfo& drive);

// The letter in upper case, then "ドライブをスキャンする".
std::string ScanMenuCaption(char letter);

}  // namespace vyr
