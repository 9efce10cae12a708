#include "index/index_lines.h"

#include <gtest/gtest.h>

#include <random>

namespace vyr {
namespace {

std::vector<std::string> Entries(const StringList& list) {
  std::vector<std::string> lines;
  for (std::size_t k = 0; k < list.size(); ++k) lines.emplace_back(list[k]);
  return lines;
}

std::vector<std::string> Split(std::string_view content) {
  return Entries(SplitLines(ByteBuffer(content)));
}

// As a file read arrives: in pieces of `piece` bytes, the reader told of each.
std::vector<std::string> Read(std::string_view content, std::size_t piece, bool wide_scan = true) {
  ByteBuffer buffer;
  LineReader reader(wide_scan);
  for (std::size_t at = 0; at < content.size(); at += piece) {
    buffer.Append(content.substr(at, piece));
    reader.Arrived(buffer.data(), buffer.size());
  }
  return Entries(reader.Finish(std::move(buffer)));
}

TEST(SplitLines, EveryLineEndAndTheLastLineWithout) {
  using V = std::vector<std::string>;
  struct Case { std::string content; V lines; };
  const std::string long_line(200, 'X');
  const Case cases[] = {
      {"", V{}},
      {"A\r\nB\r\n", V{"A", "B"}},
      {"A\nB\n", V{"A", "B"}},
      {"A\rB\r", V{"A", "B"}},
      {"A\r\nB\nC\rD", V{"A", "B", "C", "D"}},
      {"A\r\nB", V{"A", "B"}},
      {"\r\n", V{""}},
      {"\r\n\r\n", V{"", ""}},
      {"\n\r", V{"", ""}},  // LF then a lone CR: two empty lines
      {"\n", V{""}},
      {"\r", V{""}},
      {"A\r\r\nB", V{"A", "", "B"}},
      {"A\r\n\nB", V{"A", "", "B"}},
      {std::string("A\r\nB\0C\r\nD\r\n", 11), V{"A", "B"}},  // NUL ends the content
      {std::string("\0A\r\n", 4), V{}},
      {"\x83\x5C\r\n\x95\x5C", V{"\x83\x5C", "\x95\x5C"}},
      {long_line + "\r\n" + long_line, V{long_line, long_line}},
      {long_line + "\r\n" + long_line + "\r", V{long_line, long_line}},
      {long_line + "\n" + long_line + "\r\n", V{long_line, long_line}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Split(c.content), c.lines) << c.content;
    for (std::size_t piece : {1u, 3u, 64u, 65u, 4096u}) {
      EXPECT_EQ(Read(c.content, piece), c.lines) << "in pieces of " << piece << ": " << c.content;
    }
  }
}

// Line ends falling on every place of the reader's 64-byte blocks, and every
// kind of fault near them, must give what the plain split gives, in 32-byte
// steps or 16.
TEST(LineReader, AgreesWithThePlainSplitOnAnyBytes) {
  std::mt19937 random(7);
  const char alphabet[] = {'A', '\x83', '\x5C', '\r', '\n', '\0'};
  for (int round = 0; round < 3000; ++round) {
    const std::size_t size = random() % 300;
    std::string content;
    const bool mostly_crlf = round % 2 == 0;
    while (content.size() < size) {
      const unsigned pick = random() % 40;
      if (mostly_crlf) {
        content += pick < 5 ? "\r\n" : pick == 39 ? std::string(1, alphabet[3 + random() % 3]) : "B";
      } else {
        content += alphabet[random() % sizeof alphabet];
      }
    }
    const std::size_t piece = 1 + random() % 130;
    ASSERT_EQ(Read(content, piece), Split(content)) << "round " << round;
    ASSERT_EQ(Read(content, piece, false), Split(content)) << "round " << round << ", narrow scan";
  }
}

TEST(LineReader, LinesOfAFileItDidNotSeeWholeComeFromThePlainSplit) {
  ByteBuffer buffer("A\r\nB\r\n");
  LineReader reader;  // told of nothing
  EXPECT_EQ(Entries(reader.Finish(std::move(buffer))), (std::vector<std::string>{"A", "B"}));
}

TEST(SplitLines, VeryLongLineStaysWhole) {
  const std::string line(1 << 20, 'X');
  for (const auto& lines : {Split(line + "\r\nY"), Read(line + "\r\nY", platform::kReadPieceSize)}) {
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], line);
  }
}

TEST(JoinLines, EveryEntryEndsWithCrLf) {
  StringList list;
  EXPECT_EQ(JoinLines(list), "");
  list.push_back("A");
  list.push_back("\x83\x5C");
  EXPECT_EQ(JoinLines(list), "A\r\n\x83\x5C\r\n");
  EXPECT_EQ(JoinLines(SplitLines(ByteBuffer(JoinLines(list)))), JoinLines(list));
}

}  // namespace
}  // namespace vyr
