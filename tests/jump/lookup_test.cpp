#include "jump/lookup.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "support/index_of.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

using test::IndexOf;

LoadedIndex DriveC() {
  return IndexOf({{"ABC", "c:\\x\\abc"},
                  {"ABC", "c:\\y\\Abc"},
                  {"ABCDEF", "c:\\abcdef"},
                  {"ABD", "c:\\abd"},
                  {"SYSTEM32", "c:\\WINDOWS\\SYSTEM32"},
                  {"DRIVERS", "c:\\WINDOWS\\SYSTEM32\\DRIVERS"},
                  {"\x82\x60", "c:\\\x82\x81"},
                  {"\x83\x5C", "c:\\\x83\x5C"}});
}

struct Result {
  LookupKind kind;
  std::string text;
  V results;
};

// The typed text read, then searched in the index of the drive it names
// (c: unless it names another), as GO does.
Result Look(std::string_view typed, LoadedIndex drive_c = DriveC(),
           std::map<char, LoadedIndex> others = {}) {
  others['c'] = std::move(drive_c);
  const LookupRequest request = ReadTypedText(typed);
  if (request.direct_open) return {LookupKind::kCandidates, "open " + request.text, {}};
  const char letter = request.drive != 0
                          ? static_cast<char>(std::tolower(static_cast<unsigned char>(request.drive)))
                          : 'c';
  V results{"kept"};
  const LookupOutcome outcome = Search(request.text, others[letter], letter, results);
  results.erase(results.begin());  // the search only appends
  return {outcome.kind, outcome.text, results};
}

TEST(Lookup, NameSearchFindsEveryNameBeginningWithTheText) {
  struct Case { std::string typed; V results; };
  const Case cases[] = {
      {"abc", {"c:\\x\\abc", "c:\\y\\Abc", "c:\\abcdef"}},
      {"  Abc \t", {"c:\\x\\abc", "c:\\y\\Abc", "c:\\abcdef"}},
      {"ab", {"c:\\x\\abc", "c:\\y\\Abc", "c:\\abcdef", "c:\\abd"}},
      {"abcdefg", {}},             // a name shorter than the text never matches
      {"a", {"c:\\x\\abc", "c:\\y\\Abc", "c:\\abcdef", "c:\\abd"}},
      {"zzz", {}},
      {"\x82\x81", {"c:\\\x82\x81"}},  // ａ is upper-cased to Ａ
      {"A", {"c:\\x\\abc", "c:\\y\\Abc", "c:\\abcdef", "c:\\abd"}},
      {"\x83\x5C", {"c:\\\x83\x5C"}},  // ソ is a name, not a path
      {"\x81\x40" "abc", {}},          // the full-width space is not trimmed
  };
  for (const Case& c : cases) {
    const Result r = Look(c.typed);
    EXPECT_EQ(r.kind, LookupKind::kCandidates) << c.typed;
    EXPECT_EQ(r.results, c.results) << c.typed;
  }
  EXPECT_EQ(Look("zzz").text, "ZZZ");
}

TEST(Lookup, BisectionFindsRunsAtBothEndsOfTheList) {
  LoadedIndex index;
  for (int k = 0; k < 1000; ++k) {
    char name[8];
    std::snprintf(name, sizeof name, "N%04d", k);
    index.names.push_back(name);
    index.paths.push_back(std::string("c:\\") + name);
  }
  index.no_index = false;
  EXPECT_EQ(Look("n0000", index).results, V{"c:\\N0000"});
  EXPECT_EQ(Look("n0999", index).results, V{"c:\\N0999"});
  EXPECT_EQ(Look("n099", index).results.size(), 10u);
  EXPECT_EQ(Look("n", index).results.size(), 1000u);
  EXPECT_EQ(Look("n1", index).results, V{});
  EXPECT_EQ(Look("m", index).results, V{});
}

TEST(Lookup, EmptyTextAndMissingIndex) {
  struct Case { std::string typed; bool indexed; LookupKind kind; };
  const Case cases[] = {
      {"", true, LookupKind::kNothing},
      {"  \t", true, LookupKind::kNothing},
      {"", false, LookupKind::kScanFirst},
      {"abc", false, LookupKind::kScanFirst},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Look(c.typed, c.indexed ? DriveC() : LoadedIndex{}).kind, c.kind) << c.typed;
  }
}

TEST(Lookup, EmptyIndexAfterAScanFindsNothingButNeedsNoScan) {
  LoadedIndex scanned_empty;
  scanned_empty.no_index = false;
  const Result r = Look("abc", scanned_empty);
  EXPECT_EQ(r.kind, LookupKind::kCandidates);
  EXPECT_EQ(r.results, V{});
}

TEST(Lookup, DrivePrefixNamesTheDriveToSearch) {
  struct Case { std::string typed; char drive; std::string text; };
  const Case cases[] = {
      {"d:abc", 'D', "ABC"},
      {" D:\\Windows\\ ", 'D', "\\WINDOWS\\"},
      {"d:", 'D', ""},
      {"abc", 0, "ABC"},
  };
  for (const Case& c : cases) {
    const LookupRequest request = ReadTypedText(c.typed);
    EXPECT_FALSE(request.direct_open) << c.typed;
    EXPECT_EQ(request.drive, c.drive) << c.typed;
    EXPECT_EQ(request.text, c.text) << c.typed;
  }
  std::map<char, LoadedIndex> others;
  others['d'] = IndexOf({{"ABC", "d:\\abc"}});
  EXPECT_EQ(Look("d:abc", DriveC(), others).results, V{"d:\\abc"});
  EXPECT_EQ(Look("d:", DriveC(), others).kind, LookupKind::kNothing);
  EXPECT_EQ(Look("x:abc", DriveC(), others).kind, LookupKind::kScanFirst);
  EXPECT_EQ(Look("c:\\windows\\").results, V{"c:\\WINDOWS"});
}

TEST(Lookup, AnyOtherColonOpensTheTypedTextDirectly) {
  struct Case { std::string typed, text; };
  const Case cases[] = {
      {"  http://Example.com/a b ", "http://Example.com/a b"},
      {":abc", ":abc"},
      {"ab:c", "ab:c"},
      {"mailto:Me", "mailto:Me"},
  };
  for (const Case& c : cases) {
    const LookupRequest request = ReadTypedText(c.typed);
    EXPECT_TRUE(request.direct_open) << c.typed;
    EXPECT_EQ(request.text, c.text);
  }
}

TEST(Lookup, UncAndRootedForms) {
  struct Case { std::string typed; V results; };
  const Case cases[] = {
      {"\\\\server\\share", {"\\\\SERVER\\SHARE"}},
      {"\\", {"c:"}},
      {"\\windows\\", {"c:\\WINDOWS"}},
      {"\\windows\\\\", {"c:\\WINDOWS\\"}},
      {"\\\x83\x5C", {"c:\\\x83\x5C"}},  // ソ at the end keeps its second byte
      {"d:\\temp", {"d:\\TEMP"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Look(c.typed, LoadedIndex{}).results, c.results) << c.typed;
  }
}

TEST(Lookup, PathFragmentMustEndInsideTheLastComponent) {
  LoadedIndex index = IndexOf({{"SYSTEM32", "c:\\WINDOWS\\System32"},
                               {"DRIVERS", "c:\\WINDOWS\\System32\\drivers"},
                               {"X", "c:\\foo\\x"},
                               {"Y", "c:\\a\\foo\\y"},
                               {"Z", "c:\\foo\\foo\\z"},
                               {"BC", "c:\\a\\b\\a\\bc"},
                               {"Q", "c:\\\x83\x5C" "b"}});
  struct Case { std::string typed; V results; };
  const Case cases[] = {
      {"ws\\sys", {"c:\\WINDOWS\\System32"}},
      {"foo\\", {"c:\\foo\\x", "c:\\a\\foo\\y"}},
      {"a\\b", {}},          // only the first occurrence is tried
      {"\x83\x5C" "b", {}},  // no backslash: a name search
      {"b\\a\\b", {"c:\\a\\b\\a\\bc"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Look(c.typed, index).results, c.results) << c.typed;
  // With no index at all the fragment search simply finds nothing.
  EXPECT_EQ(Look("ws\\sys", LoadedIndex{}).kind, LookupKind::kCandidates);
}

TEST(Lookup, DamagedIndexNeverReadsPastThePaths) {
  LoadedIndex index = IndexOf({{"A", "c:\\a"}});
  index.names.push_back("AB");  // a name without its path
  EXPECT_EQ(Look("a", index).results, V{"c:\\a"});
  LoadedIndex unsorted = IndexOf({{"B", "c:\\b"}, {"A", "c:\\a"}, {"C", "c:\\c"}});
  EXPECT_LE(Look("a", unsorted).results.size(), 1u);
}

}  // namespace
}  // namespace vyr
