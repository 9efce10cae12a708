#include "jump/fragment_filter.h"

#include <gtest/gtest.h>

#include <random>

#include "base/sjis.h"
#include "platform/upper_case.h"

namespace vyr {
namespace {

TEST(IsUpperCaseOfItselfOnly, WhatNoOtherCharacterUpperCasesTo) {
  struct Case {
    std::string_view character;
    bool only_itself;
  };
  const Case cases[] = {
      {"0", true},         {"\\", true},      {"-", true},
      {"A", false},        {"Z", false},      {"a", true},  // nothing upper-cases to "a"
      {"\x82\x60", false},                                  // Ａ
      {"\x82\x81", true},                                   // ａ
      {"\x83\x9F", false},                                  // Α
      {"\x8E\xCA", true},                                   // 写
      {"\x83\x41", true},                                   // ア
      {"\x83\x5C", true},                                   // ソ
      {"\xB1", true},                                       // ｱ
      {"", false},         {"AB\x8E", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsUpperCaseOfItselfOnly(c.character), c.only_itself) << c.character;
  }
}

TEST(FragmentFilter, PassesOverPathsWithoutTheAnchor) {
  struct Case {
    std::string_view fragment;
    std::string_view path;
    bool may_hold;
  };
  const Case cases[] = {
      {"\x8E\xCA\x90\x5E\\20", "C:\\PHOTO\\20", false},  // 写真\20
      {"\x8E\xCA\x90\x5E\\20", "C:\\\x8E\xCA\x90\x5E\\2024", true},
      {"DOCS\\OLD", "C:\\docs\\old", true},
      {"DOCS\\OLD", "C:\\Docs\\Old\\x", true},
      {"DOCS\\OLD", "C:\\DOC\\OLD", false},
      {"\x82\x60\\", "C:\\\x82\x81\\", true},  // Ａ\ in ａ\: only "\" anchors
      {"\\", "C:", false},
      {"", "anything", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FragmentFilter(c.fragment).MayHold(c.path), c.may_hold)
        << c.fragment << " in " << c.path;
  }
}

// Whatever the upper-cased path holds where a character starts, the filter
// must let the path through.
TEST(FragmentFilter, NeverPassesOverAPathThatHoldsTheFragment) {
  const std::string_view characters[] = {
      "a",        "A",        "b",        "B",        "\\",   "1",        "\x83\x5C", "\x82\x81",
      "\x82\x60", "\x8E\xCA", "\x83\xBF", "\x83\x9F", "\xB1", "\x83\x61", "\x83\x41", " "};
  std::mt19937 random(11);
  auto text = [&](std::size_t most) {
    std::string made;
    for (std::size_t n = random() % most; n > 0; --n)
      made += characters[random() % std::size(characters)];
    return made;
  };
  int held = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::string path = text(12);
    const std::string fragment = UpperCase(text(4));
    const bool holds = FindText(UpperCase(path), fragment) != kNotFound;
    if (!holds) continue;
    ++held;
    ASSERT_TRUE(FragmentFilter(fragment).MayHold(path)) << fragment << " in " << path;
  }
  EXPECT_GT(held, 1000);
}

}  // namespace
}  // namespace vyr
