// Twin of MultiByteToWideChar(CP_ACP) then WideCharToMultiByte(CP_UTF8) on a
// code-page-932 system, byte for byte as Wine gives it. glibc's CP932 agrees
// with Windows on every valid pair; it lacks only the single bytes that
// Windows maps to U+0080 and to the private use area. Where iconv has no
// character, Windows writes its default character ・ (U+30FB): a lead byte
// takes the byte after it into one ・ whatever that byte is, except a NUL,
// which stays a character of its own; a lead byte at the very end is a ・ too.
#include "platform/utf8_text.h"

#include <array>
#include <cstdint>

#include "base/sjis.h"
#include "platform/posix/cp932.h"

namespace vyr::platform {
namespace {

constexpr char32_t kDefaultCharacter = 0x30FB;

struct SingleByteOverride {
  unsigned char byte;
  char32_t code_point;
};

// The single bytes that Windows maps and glibc's CP932 does not.
constexpr SingleByteOverride kSingleByteOverrides[] = {
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3},
};

// Code points of every single byte and every pair, built once on the first
// string with a byte from 0x80 up; 0 marks a pair that is no character.
class CodePage932 {
 public:
  CodePage932() {
    for (unsigned byte = 0; byte < 0x100; ++byte) {
      singles_[byte] = byte < 0x80 ? byte : kDefaultCharacter;
      if (byte < 0x80 || IsLeadByte(static_cast<unsigned char>(byte))) continue;
      const char single = static_cast<char>(byte);
      const long code_point = posix::AnsiCharToCodePoint(std::string_view(&single, 1));
      if (code_point > 0) singles_[byte] = static_cast<char16_t>(code_point);
    }
    for (const SingleByteOverride& entry : kSingleByteOverrides) {
      singles_[entry.byte] = static_cast<char16_t>(entry.code_point);
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned second = 0x40; second <= 0xFC; ++second) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(second)};
        const long code_point = posix::AnsiCharToCodePoint(std::string_view(pair, 2));
        if (code_point > 0 && code_point <= 0xFFFF) {
          pairs_[Index(lead, second)] = static_cast<char16_t>(code_point);
        }
      }
    }
  }

  char32_t Single(unsigned char byte) const { return singles_[byte]; }
  char32_t Pair(unsigned char lead, unsigned char second) const {
    const char16_t code_point = pairs_[Index(lead, second)];
    return code_point != 0 ? code_point : kDefaultCharacter;
  }

 private:
  static std::size_t Index(unsigned lead, unsigned second) { return (lead - 0x80) * 256 + second; }
  std::array<char16_t, 0x100> singles_{};
  std::array<char16_t, 0x80 * 256> pairs_{};
};

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | code_point >> 6);
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | code_point >> 12);
    out += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  static const CodePage932 code_page;
  std::string out;
  out.reserve(ansi.size() * 3 / 2 + 4);
  for (std::size_t pos = 0; pos < ansi.size(); ++pos) {
    const auto byte = static_cast<unsigned char>(ansi[pos]);
    if (!IsLeadByte(byte)) {
      AppendUtf8(out, code_page.Single(byte));
    } else if (pos + 1 == ansi.size()) {
      AppendUtf8(out, kDefaultCharacter);
    } else if (ansi[pos + 1] == '\0') {
      AppendUtf8(out, kDefaultCharacter);
      out += '\0';
      ++pos;
    } else {
      AppendUtf8(out, code_page.Pair(byte, static_cast<unsigned char>(ansi[++pos])));
    }
  }
  return out;
}

}  // namespace vyr::platform
