// Drives, volume labels and where the program lives.
#pragma once

#include <string>

namespace vyr::platform {

// The label of the volume in drive `letter`; empty when it has none or the
// drive cannot report one, so that load and save of that drive agree.
std::string VolumeLabel(char letter);

// Volume labels as the controllers receive them, so that a test picks its own.
class Volumes {
 public:
  virtual ~Volumes() = default;
  virtual std::string Label(char letter) = 0;
};

// VolumeLabel of this machine.
Volumes& RealVolumes();

// The program file's full path.
std::string ProgramPath();

// The directory of the program file, with its trailing separator.
std::string ProgramDirectory();

// `directory` with the platform's separator at its end, unless it has one.
std::string WithTrailingSeparator(std::string directory);

// Letter of the current directory's drive (lower case), or 0 when unknown.
char CurrentDriveLetter();

}  // namespace vyr::platform
