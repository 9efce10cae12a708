// One suite for both profile implementations: natively it holds our own file
// rules, under Wine the platform's GetPrivateProfileStringA and
// WritePrivateProfileStringA, so that ours keep to the platform's behaviour.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/file_hold.h"
#include "support/test_tree.h"

namespace vyr {
namespace {

class ProfileTest : public ::testing::Test {
 protected:
  ProfileTest() {
    static int counter = 0;
    path = test::ScratchDirectory() + "profile" + std::to_string(++counter) + ".ini";
    profile = platform::OpenProfile(path);
  }

  void SetFile(std::string_view text) {
    const platform::FileWrite write{path, text};
    ASSERT_TRUE(platform::RealFileSystem().ReplaceFiles({&write, 1}));
  }

  std::string FileText() {
    ByteBuffer text;
    platform::RealFileSystem().ReadWholeFile(path, text);
    return std::string(text.view());
  }

  // The sections and keys of the file in their order, one "[S]" or "K" each.
  std::vector<std::string> Layout() {
    std::vector<std::string> layout;
    const std::string text = FileText();
    std::size_t pos = 0;
    while (pos < text.size()) {
      std::size_t end = text.find("\r\n", pos);
      if (end == std::string::npos) end = text.size();
      const std::string line = text.substr(pos, end - pos);
      pos = end + 2;
      if (line.empty()) continue;
      layout.push_back(line[0] == '[' ? line : line.substr(0, line.find('=')));
    }
    return layout;
  }

  std::string Read(std::string_view section, std::string_view key) {
    return profile->ReadString(section, key, "<default>");
  }

  std::string path;
  std::unique_ptr<platform::Profile> profile;
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(Read("OPTION", "HOTKEY2"), "<default>");
  SetFile("[OPTION]\r\nHOTKEY2=Ctrl+Alt+S\r\n");
  EXPECT_EQ(Read("DESKTOP", "HOTKEY2"), "<default>");
  EXPECT_EQ(Read("OPTION", "HOTKEY"), "<default>");
  EXPECT_EQ(Read("OPTION", "HOTKEY2"), "Ctrl+Alt+S");
}

TEST_F(ProfileTest, ValuesComeBackTrimmedUnquotedAndCut) {
  const std::string long_value(3000, 'x');
  SetFile("[S]\r\n"
          "EMPTY=\r\n"
          "BLANKS=   padded value  \r\n"
          "DOUBLE=\"C:\\Program Files\\a.exe\"\r\n"
          "SINGLE='quoted'\r\n"
          "MIXED=\"half'\r\n"
          "INNER=a \"b\" c\r\n"
          "LONE=\"\r\n"
          "SPACED = spaced key \r\n"
          "JAPANESE=\x83\x5C\x95\x5C\r\n"
          "LONG=" + long_value + "\r\n");
  struct Case { const char* key; std::string value; };
  const Case cases[] = {
      {"EMPTY", ""},
      {"BLANKS", "padded value"},
      {"DOUBLE", "C:\\Program Files\\a.exe"},
      {"SINGLE", "quoted"},
      {"MIXED", "\"half'"},
      {"INNER", "a \"b\" c"},
      {"LONE", "\""},
      {"SPACED", "spaced key"},
      {"JAPANESE", "\x83\x5C\x95\x5C"},
      {"LONG", std::string(2047, 'x')},
  };
  for (const Case& c : cases) EXPECT_EQ(Read("S", c.key), c.value) << c.key;
}

TEST_F(ProfileTest, NamesMatchWithoutRegardToCase) {
  SetFile("[Desktop]\r\nMainTop=42\r\n");
  EXPECT_EQ(Read("DESKTOP", "MAINTOP"), "42");
  EXPECT_EQ(Read("desktop", "maintop"), "42");
}

TEST_F(ProfileTest, FirstWriteCreatesTheFileWithCrLfLines) {
  ASSERT_TRUE(profile->WriteString("DESKTOP", "MAINTOP", "10"));
  EXPECT_EQ(Read("DESKTOP", "MAINTOP"), "10");
  EXPECT_NE(FileText().find("[DESKTOP]\r\nMAINTOP=10\r\n"), std::string::npos);
}

TEST_F(ProfileTest, NewKeysEndTheirSectionNewSectionsEndTheFile) {
  ASSERT_TRUE(profile->WriteString("DESKTOP", "MAINTOP", "1"));
  ASSERT_TRUE(profile->WriteString("OPTION", "SWAPLRMENU", "0"));
  ASSERT_TRUE(profile->WriteString("DESKTOP", "MAINLEFT", "2"));
  ASSERT_TRUE(profile->WriteString("HISTORY", "NUM", "0"));
  ASSERT_TRUE(profile->WriteString("desktop", "TASKTRAY", "1"));
  ASSERT_TRUE(profile->WriteString("DESKTOP", "mainTop", "3"));  // replaced in place
  const std::vector<std::string> layout = {"[DESKTOP]", "MAINTOP", "MAINLEFT", "TASKTRAY",
                                           "[OPTION]",  "SWAPLRMENU", "[HISTORY]", "NUM"};
  EXPECT_EQ(Layout(), layout);
  EXPECT_EQ(Read("DESKTOP", "MAINTOP"), "3");
}

TEST_F(ProfileTest, KeysOfAnExistingFileStayWhereTheyAre) {
  SetFile("[HISTORY]\r\nNUM=3\r\n1=a\r\n2=b\r\n3=c\r\n\r\n[COMMANDS]\r\nNUM=0\r\n");
  ASSERT_TRUE(profile->WriteString("HISTORY", "NUM", "1"));
  ASSERT_TRUE(profile->WriteString("HISTORY", "1", "z"));
  ASSERT_TRUE(profile->WriteString("HISTORY", "4", "new"));
  const std::vector<std::string> layout = {"[HISTORY]", "NUM", "1", "2", "3", "4",
                                           "[COMMANDS]", "NUM"};
  EXPECT_EQ(Layout(), layout);
  EXPECT_EQ(Read("HISTORY", "3"), "c");
  EXPECT_EQ(Read("HISTORY", "1"), "z");
  EXPECT_EQ(Read("COMMANDS", "NUM"), "0");
}

TEST_F(ProfileTest, WrittenValuesReadBack) {
  const std::string values[] = {"", "plain", "\x8E\xCA\x90\x5E", "with = sign", "c:\\a\\b\\"};
  for (const std::string& value : values) {
    ASSERT_TRUE(profile->WriteString("S", "K", value));
    EXPECT_EQ(Read("S", "K"), value);
  }
}

TEST_F(ProfileTest, FileWithoutLineEndAtTheEndTakesNewKeys) {
  SetFile("[S]\r\nA=1");
  ASSERT_TRUE(profile->WriteString("S", "B", "2"));
  EXPECT_EQ(Read("S", "A"), "1");
  EXPECT_EQ(Read("S", "B"), "2");
}

// A file that is there but cannot be read now must fail the write: writing
// the one key as if the file were missing would lose every other key.
TEST_F(ProfileTest, FileThatCannotBeReadIsNotReplacedByTheOneKey) {
  const std::string kept = "[COMMANDS]\r\nNUM=1\r\nDESCRIPTION0=mine\r\n";
  SetFile(kept);
  {
    test::FileHold hold(path);  // another program holds the file
    ASSERT_TRUE(hold.held());
    EXPECT_FALSE(profile->WriteString("DESKTOP", "MAINTOP", "1"));
  }
  EXPECT_EQ(FileText(), kept);

  test::TestTree tree;  // a folder where the file should be
  tree.MakeDirectory("vyr.INI");
  const auto folder = platform::OpenProfile(tree.Root() + "vyr.INI");
  EXPECT_FALSE(folder->WriteString("DESKTOP", "MAINTOP", "1"));
  EXPECT_EQ(folder->ReadString("DESKTOP", "MAINTOP", "<default>"), "<default>");
}

}  // namespace
}  // namespace vyr
