#include "base/sjis.h"

#include <algorithm>
#include <bitset>
#include <cstring>

#include "platform/ansi_upper_case.h"

namespace vyr {

std::size_t CharLength(std::string_view text, std::size_t pos) {
  const bool pair = IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size();
  return pair ? 2 : 1;
}

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t FindChar(std::string_view text, char ch, std::size_t from) {
  // Fast path: no lead byte before a hit means the hit is a character.
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (pos >= from && text[pos] == ch) return pos;
    pos += IsLeadByte(byte) ? 2 : 1;
  }
  return kNotFound;
}

std::size_t FindLastChar(std::string_view text, char ch) {
  std::size_t last = kNotFound;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
    if (text[pos] == ch) last = pos;
  }
  return last;
}

bool EndsWithChar(std::string_view text, char ch) {
  const std::size_t last = FindLastChar(text, ch);
  return last != kNotFound && last + 1 == text.size();
}

std::size_t FindText(std::string_view haystack, std::string_view needle) {
  // Byte matches come from the library's fast search; a match counts only
  // where a character starts, which is found by walking the characters up to
  // it, never back over what was walked already.
  std::size_t boundary = 0;
  for (std::size_t hit = haystack.find(needle); hit != kNotFound;
       hit = haystack.find(needle, hit + 1)) {
    while (boundary < hit) boundary += CharLength(haystack, boundary);
    if (boundary == hit) return hit;
  }
  return kNotFound;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

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
