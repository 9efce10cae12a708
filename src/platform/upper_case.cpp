#include "platform/upper_case.h"

#include <bitset>

#include "base/sjis.h"
#include "platform/ansi_upper_case.h"

namespace vyr {

void UpperCaseInPlace(std::string& text) {
  if (!IsAscii(text)) {
    platform::AnsiUpperCase(text);
    return;
  }
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

namespace {

std::size_t CodeOf(std::string_view character) {
  const auto first = static_cast<unsigned char>(character[0]);
  return character.size() == 1 ? first : first * 256u + static_cast<unsigned char>(character[1]);
}

// Every character that another character upper-cases to, by its code. Asked
// of the platform one character at a time, once.
const std::bitset<65536>& UpperCaseTargets() {
  static const std::bitset<65536> targets = [] {
    std::bitset<65536> found;
    auto note = [&found](std::string character) {
      const std::string upper = UpperCase(character);
      if (upper != character && upper.size() == character.size()) found.set(CodeOf(upper));
    };
    for (unsigned byte = 1; byte < 256; ++byte) {
      if (!IsLeadByte(static_cast<unsigned char>(byte)))
        note(std::string(1, static_cast<char>(byte)));
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail != 0x7F) note({static_cast<char>(lead), static_cast<char>(trail)});
      }
    }
    return found;
  }();
  return targets;
}

}  // namespace

bool IsUpperCaseOfItselfOnly(std::string_view character) {
  if (character.empty() || character.size() > 2) return false;
  return !UpperCaseTargets().test(CodeOf(character));
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  UpperCaseInPlace(result);
  return result;
}

}  // namespace vyr
