#include "platform/volumes.h"

#include <windows.h>

#include "base/sjis.h"
#include "platform/drives.h"

namespace vyr::platform {

std::string VolumeLabel(char letter) {
  const char root[] = {letter, ':', '\\', '\0'};
  char name[256] = {};
  // A drive that cannot report a label (no medium, an unready network drive)
  // gets the empty one, for its load and its save alike.
  if (!GetVolumeInformationA(root, name, 255, nullptr, nullptr, nullptr, nullptr, 0)) return {};
  return name;
}

std::string WithTrailingSeparator(std::string directory) {
  if (!directory.empty() && !EndsWithChar(directory, '/') && !EndsWithChar(directory, '\\')) {
    directory += '\\';
  }
  return directory;
}

std::string ProgramPath() {
  char path[MAX_PATH + 1] = {};
  const DWORD size = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, size);
}

std::string ProgramDirectory() {
  std::string result = ProgramPath();
  const std::size_t slash = FindLastChar(result, '\\');
  result.resize(slash == kNotFound ? 0 : slash + 1);
  return result;
}

char CurrentDriveLetter() {
  char path[MAX_PATH + 1] = {};
  if (GetCurrentDirectoryA(MAX_PATH, path) < 2 || path[1] != ':') return 0;
  return LowerDriveLetter(path[0]);
}

}  // namespace vyr::platform
