#include "base/sjis.h"

#include <algorithm>
#include <cstring>

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

}  // namespace vyr
