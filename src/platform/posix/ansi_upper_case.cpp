// Twin of CharUpperBuffA on a code-page-932 system: each character is taken
// to Unicode, upper-cased there and brought back. A character whose upper
// case has no code-page-932 form of the same length stays as it is, and so do
// invalid pairs and a lone lead byte (Windows would rewrite those to "?").
#include <clocale>
#include <cwctype>
#include <locale.h>

#include <array>
#include <cstdint>

#include "base/sjis.h"
#include "platform/ansi_upper_case.h"
#include "platform/posix/cp932.h"

namespace vyr::platform {
namespace {

// Upper case of every double-byte character, indexed by lead and second byte;
// built once, on the first string with a byte from 0x80 up.
class DoubleByteUpperTable {
 public:
  DoubleByteUpperTable() {
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned second = 0x40; second <= 0xFC; ++second) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(second)};
        const long code_point = posix::AnsiCharToCodePoint(std::string_view(pair, 2));
        if (code_point < 0) continue;
        const long upper = utf8 ? static_cast<long>(towupper_l(static_cast<wint_t>(code_point), utf8))
                                : static_cast<long>(towupper(static_cast<wint_t>(code_point)));
        if (upper == code_point) continue;
        const std::string bytes = posix::CodePointToAnsi(upper);
        if (bytes.size() != 2) continue;
        table_[Index(lead, second)] = static_cast<std::uint16_t>(
            static_cast<unsigned char>(bytes[0]) << 8 | static_cast<unsigned char>(bytes[1]));
      }
    }
    if (utf8) freelocale(utf8);
  }

  // The upper-case pair, or 0 when the pair stays.
  std::uint16_t Upper(unsigned char lead, unsigned char second) const {
    return table_[Index(lead, second)];
  }

 private:
  static std::size_t Index(unsigned lead, unsigned second) { return (lead - 0x80) * 256 + second; }
  std::array<std::uint16_t, 0x80 * 256> table_{};
};

}  // namespace

void AnsiUpperCase(std::string& text) {
  static const DoubleByteUpperTable table;
  for (std::size_t pos = 0; pos < text.size();) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (CharLength(text, pos) == 2) {
      const std::uint16_t upper = table.Upper(byte, static_cast<unsigned char>(text[pos + 1]));
      if (upper != 0) {
        text[pos] = static_cast<char>(upper >> 8);
        text[pos + 1] = static_cast<char>(upper & 0xFF);
      }
      pos += 2;
      continue;
    }
    if (byte >= 'a' && byte <= 'z') text[pos] = static_cast<char>(byte - 'a' + 'A');
    ++pos;
  }
}

}  // namespace vyr::platform
