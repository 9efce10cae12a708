#include "session/drive_entries.h"

#include <cctype>

#include "session/session_texts.h"
#include "base/sjis.h"

namespace vyr {
namespace {

// ASCII letters only, character by character: a second byte stays.
std::string LowerCase(std::string text) {
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
    if (text[pos] >= 'A' && text[pos] <= 'Z') text[pos] = static_cast<char>(text[pos] - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::string DriveEntryText(const platform::DriveInfo& drive) {
  const std::string letter{drive.letter, ':'};
  using platform::DriveType;
  switch (drive.type) {
    case DriveType::kRemovable:
    case DriveType::kUnknown:
      return letter;
    case DriveType::kNetwork:
      if (!drive.remote_name.empty()) return letter + " " + LowerCase(drive.remote_name);
      [[fallthrough]];
    default:
      return letter + " [" + LowerCase(drive.label) + "]";
  }
}

std::string ScanMenuCaption(char letter) {
  return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))) +
         texts::kScanDriveSuffix;
}

}  // namespace vyr
