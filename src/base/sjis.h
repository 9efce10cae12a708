// Shift-JIS byte strings: every text inside Vyr is one, on every build.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vyr {

inline constexpr std::size_t kNotFound = std::string_view::npos;

// A lead byte starts a double-byte character; the byte after it is never a
// character of its own, even when it looks like "\" (ソ is 0x83 0x5C).
constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length in bytes of the character that starts at `pos`; a lead byte at the
// very end stands alone.
std::size_t CharLength(std::string_view text, std::size_t pos);

// Removes every byte 0x00-0x20 at both ends; the full-width space stays.
std::string_view Trim(std::string_view text);

// Position of the first character `ch` (an ASCII character), or kNotFound.
std::size_t FindChar(std::string_view text, char ch, std::size_t from = 0);

// Position of the last character `ch` (an ASCII character), or kNotFound.
std::size_t FindLastChar(std::string_view text, char ch);

// True when the last character of `text` is the ASCII character `ch`.
bool EndsWithChar(std::string_view text, char ch);

// First position that starts a character and at which `needle` follows.
std::size_t FindText(std::string_view haystack, std::string_view needle);

// True when every byte is below 0x80.
bool IsAscii(std::string_view text);

}  // namespace vyr
