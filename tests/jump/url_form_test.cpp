#include "jump/url_form.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

struct Case {
  std::string bytes, url;
};

void ExpectForms(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(UrlForm(c.bytes), c.url) << c.bytes;
}

TEST(UrlForm, SingleBytes) {
  ExpectForms({
      {"", ""},
      {"a b", "a+b"},
      {"a&b", "a%26b"},
      {"a/b", "a%2Fb"},
      {"~x", "%7Ex"},
      {"*-.09@AZ_az", "*-.09@AZ_az"},
      {"!\"#$%'()+,:;<=>?[\\]^`{|}", "%21%22%23%24%25%27%28%29%2B%2C%3A%3B%3C%3D%3E%3F%5B%5C%5D%5E%60%7B%7C%7D"},
      {"\n\t", "%0A%09"},
      {std::string("a\0b", 3), "a%00b"},
      {"\x7F\x80\xA0\xFF", "%7F%80%A0%FF"},
      {"\xB1" "A", "%B1A"},  // half-width katakana is a single byte
  });
}

TEST(UrlForm, TheByteAfterAUrlLeadByteIsAlwaysEncoded) {
  ExpectForms({
      {"\x82\xA0", "%82%A0"},                    // あ
      {"\x81\x40", "%81%40"},                    // the first URL lead byte
      {"\x84\x41" "a", "%84%41a"},
      {"\x88\x9F", "%88%9F"},
      {"\x9F\x40", "%9F%40"},
      {"\xE0\x40", "%E0%40"},
      {"\xEA\x41", "%EA%41"},                    // the last URL lead byte
      {"\x82 ", "%82%20"},                       // a space as second byte is no "+"
      {"\x82\x82" "a", "%82%82a"},               // a lead byte as second byte leads nothing
      {"\x83\x5C\x5C", "%83%5C%5C"},
      {"\x82", "%82"},                           // a lead byte at the very end
      {"\xE3\x81\x82\x20\x61", "%E3%81%82%20a"},  // UTF-8 of "あ a"
  });
}

TEST(UrlForm, LeadBytesOutsideTheUrlRangeStandAlone) {
  ExpectForms({
      {"\x85\x40", "%85@"},
      {"\x87\x41", "%87A"},
      {"\xEB\x40", "%EB@"},
      {"\xFC\x20", "%FC+"},
      {"\x87\x40\x82\xA0", "%87@%82%A0"},  // ① then あ
  });
}

}  // namespace
}  // namespace vyr
