#include "index/text_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace vyr {
namespace {

// Texts the sort finds hard: many equal; many sharing their first bytes past
// one and two eight-byte keys; Shift-JIS first and second bytes, a second
// byte 0x5C among them; 0x7F and 0xFF; NUL, which no name holds but which
// must still sort by its byte; and empty texts.
std::string GeneratedText(std::mt19937& random) {
  static const std::string pieces[] = {
      "",         "A",        "AB",         "ABCDEFG",  "ABCDEFGH",      "ABCDEFGHIJKLMNOP",
      "\x83\x5C", "\x95\x5C", "\x81\x40",   "\xE0\x9F", "\xFC\xFC",      "\xFF",
      "\x7F",     " ",        ".",          "0",        std::string(1, '\0'), "\\"};
  std::string text;
  for (int count = static_cast<int>(random() % 6); count > 0; --count) {
    text += pieces[random() % std::size(pieces)];
  }
  return text;
}

// The order a plain stable sort gives: by unsigned bytes, equal texts by position.
std::vector<std::uint32_t> PlainOrder(const std::vector<std::string>& texts) {
  std::vector<std::uint32_t> order(texts.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<std::uint32_t>(k);
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return std::string_view(texts[a]) < std::string_view(texts[b]);
  });
  return order;
}

TEST(OrderTexts, AgreesWithAPlainStableSortOnEveryNumberOfParts) {
  std::mt19937 random(11);
  for (const int size : {0, 1, 2, 40, 7000}) {
    std::vector<std::string> texts;
    StringList list;
    for (int k = 0; k < size; ++k) {
      texts.push_back(GeneratedText(random));
      list.push_back(texts.back());
    }
    const std::vector<std::uint32_t> plain = PlainOrder(texts);
    std::vector<OrderRun> plain_runs;
    for (std::size_t first = 0, end = 0; first < plain.size(); first = end) {
      for (end = first + 1; end < plain.size() && texts[plain[end]] == texts[plain[first]];) ++end;
      if (end - first > 1) {
        plain_runs.push_back({static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(end)});
      }
    }

    for (const int parts : {1, 2, 3}) {
      SCOPED_TRACE(testing::Message() << size << " texts, " << parts << " parts");
      const TextOrder order = OrderTexts(list, parts);
      ASSERT_EQ(order.positions, plain);
      ASSERT_EQ(order.equal_runs.size(), plain_runs.size());
      for (std::size_t k = 0; k < plain_runs.size(); ++k) {
        EXPECT_EQ(order.equal_runs[k].first, plain_runs[k].first) << k;
        EXPECT_EQ(order.equal_runs[k].end, plain_runs[k].end) << k;
      }
      std::string lines;
      for (const std::uint32_t position : plain) lines += texts[position] + "\r\n";
      ASSERT_EQ(order.lines.size(), plain.size());
      EXPECT_EQ(order.lines.Bytes(), lines);
    }
  }
}

}  // namespace
}  // namespace vyr
