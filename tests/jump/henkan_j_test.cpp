#include "jump/henkan_j.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "support/hex.h"

namespace vyr {
namespace {

// Spaced, so that a failure shows the pairs apart.
std::string Hex(std::string_view bytes) { return test::Hex(bytes, " "); }

struct Case {
  std::string in, out;
};

TEST(WidenKana, EveryHalfWidthKatakanaAndPunctuation) {
  // ｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ
  std::string half;
  for (int byte = 0xA1; byte <= 0xDD; ++byte) half += static_cast<char>(byte);
  // 。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン
  const std::string full =
      "\x81\x42\x81\x75\x81\x76\x81\x41\x81\x45\x83\x92\x83\x40\x83\x42\x83\x44\x83\x46\x83\x48"
      "\x83\x83\x83\x85\x83\x87\x83\x62\x81\x5B\x83\x41\x83\x43\x83\x45\x83\x47\x83\x49\x83\x4A"
      "\x83\x4C\x83\x4E\x83\x50\x83\x52\x83\x54\x83\x56\x83\x58\x83\x5A\x83\x5C\x83\x5E\x83\x60"
      "\x83\x63\x83\x65\x83\x67\x83\x69\x83\x6A\x83\x6B\x83\x6C\x83\x6D\x83\x6E\x83\x71\x83\x74"
      "\x83\x77\x83\x7A\x83\x7D\x83\x7E\x83\x80\x83\x81\x83\x82\x83\x84\x83\x86\x83\x88\x83\x89"
      "\x83\x8A\x83\x8B\x83\x8C\x83\x8D\x83\x8F\x83\x93";
  EXPECT_EQ(Hex(HenkanJ::WidenKana(half)), Hex(full));
}

TEST(WidenKana, MarksJoinOrFollow) {
  std::string voiced, semi_voiced;
  for (int byte = 0xB6; byte <= 0xC4; ++byte) voiced += {static_cast<char>(byte), '\xDE'};
  for (int byte = 0xCA; byte <= 0xCE; ++byte) voiced += {static_cast<char>(byte), '\xDE'};
  for (int byte = 0xCA; byte <= 0xCE; ++byte) semi_voiced += {static_cast<char>(byte), '\xDF'};
  const Case cases[] = {
      // ガギグゲゴザジズゼゾダヂヅデドバビブベボ
      {voiced,
       "\x83\x4B\x83\x4D\x83\x4F\x83\x51\x83\x53\x83\x55\x83\x57\x83\x59\x83\x5B\x83\x5D"
       "\x83\x5F\x83\x61\x83\x64\x83\x66\x83\x68\x83\x6F\x83\x72\x83\x75\x83\x78\x83\x7B"},
      {semi_voiced, "\x83\x70\x83\x73\x83\x76\x83\x79\x83\x7C"},  // パピプペポ
      {"\xB3\xDE", "\x83\x45\x81\x4A"},                             // ｳﾞ: ウ゛, no ヴ
      {"\xB1\xDE", "\x83\x41\x81\x4A"},                             // ｱﾞ: ア゛
      {"\xDD\xDF", "\x83\x93\x81\x4B"},                             // ﾝﾟ: ン゜
      {"\xB6\xDF", "\x83\x4A\x81\x4B"},                             // ｶﾟ: カ゜, not キ
      {"\xBB\xDF", "\x83\x54\x81\x4B"},                             // ｻﾟ: サ゜
      {"\xC4\xDF", "\x83\x67\x81\x4B"},                             // ﾄﾟ: ト゜
      {"\xB6\xDE\xDE", "\x83\x4B\xDE"},                             // a second mark follows no kana
      {"\xCA\xDF\xDF", "\x83\x70\xDF"},
      {"\xB0\xDE", "\x81\x5B\xDE"},                                 // ｰﾞ: ー, the mark stays
      {"\xA1\xDF", "\x81\x42\xDF"},
      {"\xDE\xDF", "\xDE\xDF"},                                     // marks after nothing
      {"a\xDE", "a\xDE"},
      {"\xA0\xDE", "\xA0\xDE"},
      {"\xB6", "\x83\x4A"},                                         // kana at the end
  };
  for (const Case& c : cases) EXPECT_EQ(Hex(HenkanJ::WidenKana(c.in)), Hex(c.out)) << Hex(c.in);
}

TEST(WidenKana, CopiesEverythingElse) {
  const Case cases[] = {
      {"", ""},
      {"abc \\~", "abc \\~"},
      {"\x8A\xBF\x8E\x9A", "\x8A\xBF\x8E\x9A"},  // 漢字
      {"\x81\xB1\x83\xDE", "\x81\xB1\x83\xDE"},  // second bytes that look like ｱ and ﾞ
      {"\x82", "\x82"},                          // a lead byte at the very end
      {"\xB1\x82", "\x83\x41\x82"},
      {"\x80\xFD\xFE\xFF", "\x80\xFD\xFE\xFF"},
      {std::string("\x00\xB1", 2), std::string("\x00\x83\x41", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(Hex(HenkanJ::WidenKana(c.in)), Hex(c.out)) << Hex(c.in);
}

TEST(JisAndEucForms, Characters) {
  struct FormCase {
    std::string in, jis, euc;
  };
  const FormCase cases[] = {
      {"", "", ""},
      {"\x82\xA0" "A", "\x24\x22" "A", "\xA4\xA2" "A"},                     // あA
      {"\x8A\xBF\x8E\x9A", "\x34\x41\x3B\x7A", "\xB4\xC1\xBB\xFA"},         // 漢字
      {"\x81\x40", "\x21\x21", "\xA1\xA1"},                                 // the full-width space
      {"\x83\x7E\x83\x80", "\x25\x5F\x25\x60", "\xA5\xDF\xA5\xE0"},         // ミム: astride 0x7F
      {"\x88\x9E\x88\x9F", "\x2F\x7E\x30\x21", "\xAF\xFE\xB0\xA1"},         // astride 0x9F
      {"\x9F\xFC\xE0\x40", "\x5E\x7E\x5F\x21", "\xDE\xFE\xDF\xA1"},         // astride the lead gap
      {"\xEA\xA4", "\x74\x26", "\xF4\xA6"},                                 // the last kanji
      {"\x87\x40", "\x2D\x21", "\xAD\xA1"},                                 // ①
      {"\xF0\x40", "\x7F\x21", "\xFF\xA1"},                                 // user-defined
      {"\xFA\x40", "\x13\x21", "\x93\xA1"},                                 // cut to seven bits
      {"\xB6\xDE", "\x25\x2C", "\xA5\xAC"},                                 // ｶﾞ: widened first
      {"\xB3\xDE", "\x25\x26\x21\x2B", "\xA5\xA6\xA1\xAB"},                 // ｳﾞ: ウ゛
      {"\xA0\xDE", "\xA0\xDE", "\xA0\xDE"},                                 // single, no 0x8E
      {"a\x82", "a\x82", "a\x82"},                                          // a lone lead byte
  };
  for (const FormCase& c : cases) {
    EXPECT_EQ(Hex(HenkanJ::JisForm(c.in)), Hex(c.jis)) << Hex(c.in);
    EXPECT_EQ(Hex(HenkanJ::EucForm(c.in)), Hex(c.euc)) << Hex(c.in);
  }
}

TEST(JisAndEucForms, InvalidPairsStillGiveTwoBytes) {
  // The arithmetic takes any byte after a lead byte; 0x7F goes with the
  // bytes below it.
  const Case cases[] = {
      {"\x81\x7F", "\x21\x60"},
      {"\x81\x80", "\x21\x60"},
      {std::string("\x81\x00", 2), "\x21\x61"},
      {"\x81\x20", "\x21\x01"},
      {"\xFC\xFF", "\x18\x01"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(HenkanJ::JisForm(c.in)), Hex(c.out)) << Hex(c.in);
  }
}

TEST(JisAndEucForms, TheShiftJisGridMapsOntoTheJisGridOneToOne) {
  std::set<std::string> seen;
  for (int lead = 0x81; lead <= 0xEF; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (int second = 0x40; second <= 0xFC; ++second) {
      if (second == 0x7F) continue;
      const std::string pair{char(lead), char(second)};
      const std::string jis = HenkanJ::JisForm(pair);
      ASSERT_EQ(jis.size(), 2u);
      for (unsigned char byte : jis) {
        ASSERT_GE(byte, 0x21) << Hex(pair);
        ASSERT_LE(byte, 0x7E) << Hex(pair);
      }
      seen.insert(jis);
    }
  }
  EXPECT_EQ(seen.size(), 94u * 94u);
}

}  // namespace
}  // namespace vyr
