#include "settings/value_forms.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

TEST(ParseSettingsInteger, DecimalHexadecimalAndEverythingElse) {
  struct Case { std::string_view text; std::optional<std::int32_t> value; };
  const Case cases[] = {
      {"0", 0},         {"16", 16},       {"-5", -5},        {"+7", 7},
      {"0x20", 32},     {"0X1f", 31},     {"$10", 16},       {"-$10", -16},
      {"0xFFFFFFFF", -1}, {"2147483647", 2147483647},        {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},       {"99999999999999999999", std::nullopt},
      {"", std::nullopt}, {"abc", std::nullopt}, {"1x", std::nullopt}, {"0x", std::nullopt},
      {"0x1G", std::nullopt}, {"$", std::nullopt}, {"-", std::nullopt}, {" 1", std::nullopt},
      {"yes", std::nullopt}, {"0x123456789", std::nullopt}, {"012", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseSettingsInteger(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace vyr
