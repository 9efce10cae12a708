#include "commands/browse_rules.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

// ソ (0x83 0x5C) and 表 (0x95 0x5C) end in the byte of "\" without being one.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";

TEST(BrowseRulesTest, EachButtonPutsTheChosenFileInItsOwnFields) {
  const CommandEntry typed{"Title", "old.exe", "-a ", "d:\\typed\\", "Ctrl+Q"};
  struct Case {
    BrowseFor target;
    std::string file;
    CommandEntry expected;
  };
  const Case cases[] = {
      // The program's directory replaces the one typed.
      {BrowseFor::kProgram, "c:\\tools\\viewer.tool.exe",
       {"Title", "c:\\tools\\viewer.tool.exe", "-a ", "c:\\tools\\", "Ctrl+Q"}},
      {BrowseFor::kProgram, "c:\\" + kSo + "\\" + kHyo + ".exe",
       {"Title", "c:\\" + kSo + "\\" + kHyo + ".exe", "-a ", "c:\\" + kSo + "\\", "Ctrl+Q"}},
      // A name without a directory leaves no directory.
      {BrowseFor::kProgram, "a.exe", {"Title", "a.exe", "-a ", "", "Ctrl+Q"}},
      {BrowseFor::kParameters, "c:\\my docs\\a.txt",
       {"Title", "old.exe", "-a c:\\my docs\\a.txt", "d:\\typed\\", "Ctrl+Q"}},
      {BrowseFor::kDirectory, "\\\\server\\share\\" + kSo + "\\" + kHyo,
       {"Title", "old.exe", "-a ", "\\\\server\\share\\" + kSo + "\\", "Ctrl+Q"}},
      // The trail byte of the last character is not the separator.
      {BrowseFor::kDirectory, "c:\\x" + kSo, {"Title", "old.exe", "-a ", "c:\\", "Ctrl+Q"}},
      {BrowseFor::kDirectory, "c:\\", {"Title", "old.exe", "-a ", "c:\\", "Ctrl+Q"}},
  };
  for (const Case& c : cases) {
    CommandEntry texts = typed;
    TakeBrowsedFile(c.target, c.file, texts);
    EXPECT_EQ(texts, c.expected) << c.file;
  }
}

TEST(BrowseRulesTest, ParametersBrowsedTwiceGetBothNamesBackToBack) {
  CommandEntry texts;
  TakeBrowsedFile(BrowseFor::kParameters, "c:\\a.txt", texts);
  TakeBrowsedFile(BrowseFor::kParameters, "c:\\b.txt", texts);
  EXPECT_EQ(texts.parameters, "c:\\a.txtc:\\b.txt");
  EXPECT_EQ(BrowseFilterChoice(BrowseFor::kProgram), 1);
  EXPECT_EQ(BrowseFilterChoice(BrowseFor::kParameters), 2);
  EXPECT_EQ(BrowseFilterChoice(BrowseFor::kDirectory), 2);
}

}  // namespace
}  // namespace vyr
