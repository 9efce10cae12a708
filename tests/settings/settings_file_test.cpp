#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "settings/settings_texts.h"
#include "fakes/fake_profile.h"
#include "support/test_tree.h"

namespace vyr {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() {
    auto owned = std::make_unique<test::FakeProfile>();
    profile = owned.get();
    file = std::make_unique<SettingsFile>(std::move(owned), "C:\\Tools\\vyr.INI");
  }
  test::FakeProfile* profile;
  std::unique_ptr<SettingsFile> file;
};

TEST_F(SettingsFileTest, IntegersAndBooleansFallBackOnAnythingUnreadable) {
  profile->values = {{"O/HEX", "0x20"}, {"O/BAD", "abc"}, {"O/EMPTY", ""},
                     {"O/YES", "yes"},  {"O/TWO", "2"},   {"O/ZERO", "0"}};
  EXPECT_EQ(file->ReadInteger("O", "HEX", 16), 32);
  EXPECT_EQ(file->ReadInteger("O", "BAD", 16), 16);
  EXPECT_EQ(file->ReadInteger("O", "EMPTY", 16), 16);
  EXPECT_EQ(file->ReadInteger("O", "MISSING", 16), 16);
  EXPECT_FALSE(file->ReadBool("O", "YES", false));
  EXPECT_TRUE(file->ReadBool("O", "YES", true));
  EXPECT_TRUE(file->ReadBool("O", "TWO", false));
  EXPECT_FALSE(file->ReadBool("O", "ZERO", true));
}

TEST_F(SettingsFileTest, ShortcutAbsentGivesTheDefaultEmptyGivesNone) {
  profile->values = {{"O/EMPTY", ""}, {"O/TEXT", "^alt+s"}};
  const KeyCombination fallback = kCtrl | kAlt | 'S';
  EXPECT_EQ(file->ReadShortcut("O", "MISSING", fallback), fallback);
  EXPECT_EQ(file->ReadShortcut("O", "EMPTY", fallback), 0);
  EXPECT_EQ(file->ReadShortcut("O", "TEXT", 0), fallback);
}

TEST_F(SettingsFileTest, WritesUseTheFileForms) {
  file->WriteBool("O", "B", true);
  file->WriteInteger("O", "I", -12);
  file->WriteShortcut("O", "H", 0);
  file->WriteString("O", "S", "line one\r\n[COMMANDS]\r\nNUM=9");
  EXPECT_EQ(profile->values["O/B"], "1");
  EXPECT_EQ(profile->values["O/I"], "-12");
  EXPECT_EQ(profile->values["O/H"], "");
  EXPECT_EQ(profile->values["O/S"], "line one  [COMMANDS]  NUM=9");
}

TEST_F(SettingsFileTest, FailedWriteRaisesWithThePath) {
  profile->refuse_writes = true;
  try {
    file->WriteInteger("O", "I", 1);
    FAIL() << "no error raised";
  } catch (const SettingsWriteError& error) {
    EXPECT_EQ(std::string(error.what()),
              "C:\\Tools\\vyr.INI \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1");
  }
}

TEST(SettingsFileOnDisk, ReadOnlyLocationRaises) {
  SettingsFile file = OpenSettingsFile(test::ScratchDirectory() + "missing folder" +
                                       test::ScratchDirectory().back() + "vyr.INI");
  EXPECT_THROW(file.WriteBool("O", "B", true), SettingsWriteError);
  EXPECT_EQ(file.ReadInteger("O", "B", 7), 7);
}

}  // namespace
}  // namespace vyr
