#include "jump/henkan_j.h"

#include <cstdint>

#include "base/sjis.h"

namespace vyr::HenkanJ {
namespace {

constexpr unsigned char kVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;  // ﾟ
constexpr std::uint16_t kFullVoicedMark = 0x212B;      // ゛
constexpr std::uint16_t kFullSemiVoicedMark = 0x212C;  // ゜

struct Kana {
  std::uint16_t jis;  // 0 where the byte is no katakana
  bool voiceable;
};

// Half-width katakana 0xA6-0xDD to their full-width JIS X 0208 cells, small
// forms to small forms; 0xB0 (ｰ) is punctuation and has no cell here.
constexpr Kana kKana[0xDE - 0xA6] = {
    {0x2572, false},                                                   // ｦ
    {0x2521, false}, {0x2523, false}, {0x2525, false}, {0x2527, false},  // ｧｨｩｪ
    {0x2529, false}, {0x2563, false}, {0x2565, false}, {0x2567, false},  // ｫｬｭｮ
    {0x2543, false},                                                   // ｯ
    {0, false},                                                        // ｰ
    {0x2522, false}, {0x2524, false}, {0x2526, false}, {0x2528, false},  // ｱｲｳｴ
    {0x252A, false},                                                   // ｵ
    {0x252B, true}, {0x252D, true}, {0x252F, true}, {0x2531, true},      // ｶｷｸｹ
    {0x2533, true},                                                    // ｺ
    {0x2535, true}, {0x2537, true}, {0x2539, true}, {0x253B, true},      // ｻｼｽｾ
    {0x253D, true},                                                    // ｿ
    {0x253F, true}, {0x2541, true}, {0x2544, true}, {0x2546, true},      // ﾀﾁﾂﾃ
    {0x2548, true},                                                    // ﾄ
    {0x254A, false}, {0x254B, false}, {0x254C, false}, {0x254D, false},  // ﾅﾆﾇﾈ
    {0x254E, false},                                                   // ﾉ
    {0x254F, true}, {0x2552, true}, {0x2555, true}, {0x2558, true},      // ﾊﾋﾌﾍ
    {0x255B, true},                                                    // ﾎ
    {0x255E, false}, {0x255F, false}, {0x2560, false}, {0x2561, false},  // ﾏﾐﾑﾒ
    {0x2562, false},                                                   // ﾓ
    {0x2564, false}, {0x2566, false}, {0x2568, false},                   // ﾔﾕﾖ
    {0x2569, false}, {0x256A, false}, {0x256B, false}, {0x256C, false},  // ﾗﾘﾙﾚ
    {0x256D, false},                                                   // ﾛ
    {0x256F, false}, {0x2573, false},                                    // ﾜﾝ
};

// ｡｢｣､･ at 0xA1-0xA5, and ｰ at 0xB0.
constexpr std::uint16_t kPunctuation[] = {0x2123, 0x2156, 0x2157, 0x2122, 0x2126};
constexpr std::uint16_t kProlongedSound = 0x213C;

void AppendShiftJis(std::string& out, std::uint16_t jis) {
  const unsigned j1 = jis >> 8;
  const unsigned j2 = jis & 0xFF;
  out += static_cast<char>(((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0));
  if (j1 & 1) {
    out += static_cast<char>(j2 + (j2 <= 0x5F ? 0x1F : 0x20));
  } else {
    out += static_cast<char>(j2 + 0x7E);
  }
}

// The JIS bytes of any pair, valid or not: plain arithmetic, cut to seven
// bits, so that every lead byte and every byte after it gives an answer.
void AppendJis(std::string& out, unsigned char s1, unsigned char s2, unsigned char offset) {
  const int high = s1 <= 0x9F ? 0xE0 : 0x160;
  int j1, j2;
  if (s2 >= 0x9F) {
    j1 = 2 * s1 - high;
    j2 = s2 - 0x7E;
  } else {
    j1 = 2 * s1 - high - 1;
    j2 = s2 - (s2 < 0x80 ? 0x1F : 0x20);
  }
  out += static_cast<char>((j1 & 0x7F) + offset);
  out += static_cast<char>((j2 & 0x7F) + offset);
}

bool IsHalfWidth(unsigned char byte) { return byte >= 0xA0 && byte <= 0xDF; }

// Widens the half-width katakana that starts at `pos`, taking a mark after it
// along where it belongs; returns the number of bytes used.
std::size_t WidenOne(std::string_view text, std::size_t pos, std::string& out) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte >= 0xA1 && byte <= 0xA5) {
    AppendShiftJis(out, kPunctuation[byte - 0xA1]);
    return 1;
  }
  if (byte == 0xB0) {
    AppendShiftJis(out, kProlongedSound);
    return 1;
  }
  if (byte < 0xA6 || byte >= kVoicedMark) {  // 0xA0, or a mark after no katakana
    out += static_cast<char>(byte);
    return 1;
  }
  const Kana kana = kKana[byte - 0xA6];
  const auto next = pos + 1 < text.size() ? static_cast<unsigned char>(text[pos + 1]) : 0;
  const bool h_row = byte >= 0xCA && byte <= 0xCE;
  if (kana.voiceable && next == kVoicedMark) {
    AppendShiftJis(out, kana.jis + 1);
  } else if (kana.voiceable && h_row && next == kSemiVoicedMark) {
    AppendShiftJis(out, kana.jis + 2);
  } else if (next == kVoicedMark || next == kSemiVoicedMark) {
    // No such combined kana (ｳﾞ, ｱﾞ, and ｶﾟ whose arithmetic would give キ):
    // the kana and the full-width mark after it.
    AppendShiftJis(out, kana.jis);
    AppendShiftJis(out, next == kVoicedMark ? kFullVoicedMark : kFullSemiVoicedMark);
  } else {
    AppendShiftJis(out, kana.jis);
    return 1;
  }
  return 2;
}

// The JIS bytes of the widened text, with `offset` added to those of each
// double-byte character.
std::string JisBytes(std::string_view text, unsigned char offset) {
  // The widened text splits into characters as the widening wrote them: its
  // pairs are a lead byte and the byte after it, its single bytes no lead.
  const std::string wide = WidenKana(text);
  std::string out;
  out.reserve(wide.size());
  for (std::size_t pos = 0; pos < wide.size();) {
    if (CharLength(wide, pos) == 2) {
      AppendJis(out, static_cast<unsigned char>(wide[pos]),
                static_cast<unsigned char>(wide[pos + 1]), offset);
      pos += 2;
    } else {
      out += wide[pos++];
    }
  }
  return out;
}

}  // namespace

std::string WidenKana(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t pos = 0; pos < text.size();) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (IsHalfWidth(byte)) {
      pos += WidenOne(text, pos, out);
    } else {
      const std::size_t length = CharLength(text, pos);
      out.append(text, pos, length);
      pos += length;
    }
  }
  return out;
}

std::string JisForm(std::string_view text) { return JisBytes(text, 0); }

std::string EucForm(std::string_view text) { return JisBytes(text, 0x80); }

}  // namespace vyr::HenkanJ
