// The UTF-8 form of every single byte and every pair, held against one table:
// natively the Linux twin must give the table, under Wine the Windows
// conversion must give it too. The table lists only the byte strings that do
// not become the default character ・ (U+30FB); every other one must become
// ・, since that is what Windows makes of a pair that is no character (and of
// a lead byte at the end). A NUL after a lead byte stays a NUL after the ・.
#include "platform/utf8_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

#include "base/sjis.h"
#include "platform/console_text.h"
#include "support/hex.h"

namespace vyr {
namespace {

using Table = std::map<std::string, std::string>;  // byte string, its UTF-8 form

constexpr char kDefaultCharacter[] = "\xE3\x83\xBB";  // ・

using test::Hex;
using test::Unhex;

// Every single byte but NUL (a lead byte alone too) and every lead byte with
// every byte after it.
std::vector<std::string> EveryByteString() {
  std::vector<std::string> strings;
  for (int byte = 1; byte < 256; ++byte) strings.emplace_back(1, char(byte));
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int second = 0; second < 256; ++second) strings.push_back({char(lead), char(second)});
  }
  return strings;
}

std::string DefaultForm(const std::string& bytes) {
  std::string utf8 = kDefaultCharacter;
  if (bytes.size() == 2 && bytes[1] == '\0') utf8 += '\0';
  return utf8;
}

Table ReadTable() {
  std::ifstream file(VYR_CP932_UTF8_TABLE);
  Table table;
  std::string from, to;
  while (file >> from >> to) table[Unhex(from)] = Unhex(to);
  return table;
}

// Run once natively with VYR_WRITE_CP932_UTF8_TABLE set to make the table
// anew; then check it under Wine before committing it.
void WriteTable() {
  std::ofstream file(VYR_CP932_UTF8_TABLE, std::ios::binary);
  for (const std::string& bytes : EveryByteString()) {
    const std::string utf8 = platform::AnsiToUtf8(bytes);
    if (utf8 != DefaultForm(bytes)) file << Hex(bytes) << ' ' << Hex(utf8) << '\n';
  }
}

TEST(AnsiToUtf8, EveryByteStringAgreesWithTheTable) {
  if (std::getenv("VYR_WRITE_CP932_UTF8_TABLE")) WriteTable();
  const Table table = ReadTable();
  std::size_t pairs = 0;
  for (const auto& [bytes, utf8] : table) pairs += bytes.size() == 2;
  // Code page 932 has 9604 pairs that are characters (user-defined ones
  // included); ・ itself is left out.
  ASSERT_EQ(pairs, 9603u) << "table missing or wrong: " << VYR_CP932_UTF8_TABLE;
  for (const std::string& bytes : EveryByteString()) {
    const auto it = table.find(bytes);
    const std::string expected = it == table.end() ? DefaultForm(bytes) : it->second;
    EXPECT_EQ(Hex(platform::AnsiToUtf8(bytes)), Hex(expected)) << Hex(bytes);
  }
}

TEST(AnsiToUtf8, WholeStrings) {
  struct Case {
    std::string ansi, utf8;
  };
  const Case cases[] = {
      {"", ""},
      {"abc ~\\", "abc ~\\"},
      {"\x82\xA0 a", "\xE3\x81\x82 a"},                         // あ a
      {"\x8A\xBF\x8E\x9A", "\xE6\xBC\xA2\xE5\xAD\x97"},         // 漢字
      {"\x83\x5C\x5C", "\xE3\x82\xBD\\"},                       // ソ\: the second 0x5C is "\"
      {"\xB1\xDE", "\xEF\xBD\xB1\xEF\xBE\x9E"},                 // ｱﾞ stays half-width
      {"\x81\x5F\x81\x60\x81\x61\x81\x7C", "\xEF\xBC\xBC\xEF\xBD\x9E\xE2\x88\xA5\xEF\xBC\x8D"},
      {"\x87\x40\xED\x40\xFA\x40", "\xE2\x91\xA0\xE7\xBA\x8A\xE2\x85\xB0"},  // ①纊ⅰ
      {"\xF0\x40", "\xEE\x80\x80"},                             // user-defined: private use
      {"a\x82", std::string("a") + kDefaultCharacter},          // lead byte at the end
      {"\x81 A", std::string(kDefaultCharacter) + "A"},         // the space is taken
      {std::string("\x81\0B", 3), std::string(kDefaultCharacter) + std::string("\0B", 2)},
      {"\x85\x40\x82\xA0", std::string(kDefaultCharacter) + "\xE3\x81\x82"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(platform::AnsiToUtf8(c.ansi)), Hex(c.utf8)) << Hex(c.ansi);
  }
}

// A damaged name's lead byte at the end of a line never takes the line end:
// each candidate printed stays a line of its own.
TEST(AnsiToConsole, EachLineStaysALine) {
  const std::string console = platform::AnsiToConsole("t:\\one\x82\nt:\\two\n\x82");
  EXPECT_EQ(std::count(console.begin(), console.end(), '\n'), 2) << Hex(console);
  EXPECT_NE(console.find("\nt:\\two\n"), std::string::npos) << Hex(console);
}

TEST(AnsiToUtf8, LongTextKeepsEveryPairWhole) {
  // Windows converts in pieces; a pair astride a piece boundary stays whole.
  for (std::size_t before : {(1u << 20) - 1, 1u << 20, (1u << 20) + 1}) {
    std::string ansi(before, 'a');
    ansi += "\x82\xA0";
    const std::string utf8 = platform::AnsiToUtf8(ansi);
    EXPECT_EQ(utf8.size(), before + 3);
    EXPECT_EQ(Hex(utf8.substr(before)), "E38182") << before;
  }
}

}  // namespace
}  // namespace vyr
