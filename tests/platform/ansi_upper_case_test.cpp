// The upper-casing of every single byte and every double-byte character,
// held against one table: natively the Linux twin must give the table, under
// Wine CharUpperBuffA must give it too, so the two agree wherever the twin
// can follow the platform.
#include "platform/ansi_upper_case.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "base/sjis.h"
#include "support/hex.h"
#include "support/round_trip.h"

namespace vyr {
namespace {

using Table = std::map<std::string, std::string>;  // character, its upper case when different

using test::Hex;
using test::Unhex;

std::vector<std::string> EveryCharacter() {
  std::vector<std::string> characters;
  for (int byte = 1; byte < 256; ++byte) {
    if (!IsLeadByte(static_cast<unsigned char>(byte))) characters.emplace_back(1, char(byte));
  }
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int second = 0x40; second <= 0xFC; ++second) {
      characters.push_back(std::string{char(lead), char(second)});
    }
  }
  return characters;
}

Table ReadTable() {
  std::ifstream file(VYR_UPPER_CASE_TABLE);
  Table table;
  std::string from, to;
  while (file >> from >> to) table[Unhex(from)] = Unhex(to);
  return table;
}

// Run once with VYR_WRITE_UPPER_CASE_TABLE set to make the table anew.
void WriteTable() {
  std::ofstream file(VYR_UPPER_CASE_TABLE, std::ios::binary);
  for (const std::string& character : EveryCharacter()) {
    if (!test::SurvivesCodePageRoundTrip(character)) continue;
    std::string upper = character;
    platform::AnsiUpperCase(upper);
    if (upper != character) file << Hex(character) << ' ' << Hex(upper) << '\n';
  }
}

TEST(AnsiUpperCase, EveryCharacterAgreesWithTheTable) {
  if (std::getenv("VYR_WRITE_UPPER_CASE_TABLE")) WriteTable();
  const Table table = ReadTable();
  ASSERT_GT(table.size(), 100u) << "table missing: " << VYR_UPPER_CASE_TABLE;
  int compared = 0;
  for (const std::string& character : EveryCharacter()) {
    // Characters that the platform's code page cannot carry through Unicode
    // unchanged (invalid pairs, duplicates of other codes) are rewritten by
    // CharUpperBuffA; the twin leaves them alone. Neither is held to the table.
    if (!test::SurvivesCodePageRoundTrip(character)) continue;
    std::string upper = character;
    platform::AnsiUpperCase(upper);
    const auto it = table.find(character);
    EXPECT_EQ(Hex(upper), Hex(it == table.end() ? character : it->second)) << Hex(character);
    ++compared;
  }
  EXPECT_GT(compared, 7000);
}

TEST(AnsiUpperCase, WholeStringsKeepSecondBytesAndLength) {
  std::string text = "a\x83\x61z\x82\x81\x83\x5C" "b";
  platform::AnsiUpperCase(text);
  EXPECT_EQ(Hex(text), Hex("A\x83\x61Z\x82\x60\x83\x5C" "B"));
}

}  // namespace
}  // namespace vyr
