#include "settings/settings_keys.h"

#include <gtest/gtest.h>

#include "fakes/fake_profile.h"
#include "platform/file_system.h"
#include "support/test_tree.h"

namespace vyr {
namespace {

class SettingsKeysTest : public ::testing::Test {
 protected:
  SettingsKeysTest() {
    auto owned = std::make_unique<test::FakeProfile>();
    profile = owned.get();
    file = std::make_unique<SettingsFile>(std::move(owned), "C:\\vyr.INI");
  }
  SettingsValues ReadAll() {
    SettingsValues values;
    for (ReadStep step : {ReadStep::kMainWindow, ReadStep::kOptions, ReadStep::kOtherWindows,
                          ReadStep::kTrayMode}) {
      ReadSettingsStep(*file, step, values);
    }
    return values;
  }
  std::vector<std::string> WrittenKeys() const {
    std::vector<std::string> keys;
    for (const std::string& line : profile->written) keys.push_back(line.substr(0, line.find('=')));
    return keys;
  }
  test::FakeProfile* profile;
  std::unique_ptr<SettingsFile> file;
};

TEST_F(SettingsKeysTest, EmptyFileGivesEveryDefault) {
  const SettingsValues values = ReadAll();
  EXPECT_EQ(values.main_top, 10);
  EXPECT_EQ(values.main_width, 10);
  EXPECT_EQ(values.chooser_width, 300);
  EXPECT_EQ(values.chooser_height, 300);
  EXPECT_EQ(values.mini_top, 300);
  EXPECT_EQ(values.mini_width, 250);
  EXPECT_EQ(values.scan_hot_key, kCtrl | kAlt | 'S');
  EXPECT_FALSE(values.swap_menus || values.skip_system_directories || values.use_auto_complete ||
               values.close_input_method || values.history_takes_input || values.tray_mode);
  EXPECT_EQ(values.history_limit, 16);
  EXPECT_TRUE(ReadHistoryEntries(*file, 16).empty());
}

TEST_F(SettingsKeysTest, OddValuesReadAsTheirForms) {
  profile->values = {{"OPTION/MAXHISTORYCOUNT", "0x20"}, {"OPTION/SWAPLRMENU", "yes"},
                     {"DESKTOP/TASKTRAY", "2"},          {"OPTION/HOTKEY2", ""},
                     {"OPTION/IGNORESYSDIR", "1"},       {"DESKTOP/MAINTOP", "-40"}};
  SettingsValues values = ReadAll();
  EXPECT_EQ(values.history_limit, 32);
  EXPECT_FALSE(values.swap_menus);
  EXPECT_TRUE(values.tray_mode);
  EXPECT_EQ(values.scan_hot_key, 0);
  EXPECT_TRUE(values.skip_system_directories);
  EXPECT_EQ(values.main_top, -40);
  profile->values["OPTION/MAXHISTORYCOUNT"] = "abc";
  profile->values["OPTION/HOTKEY2"] = "^Alt+S";
  values = ReadAll();
  EXPECT_EQ(values.history_limit, 16);
  EXPECT_EQ(values.scan_hot_key, kCtrl | kAlt | 'S');
}

TEST_F(SettingsKeysTest, EachStepReadsOnlyItsKeys) {
  profile->values = {{"DESKTOP/MAINTOP", "1"}, {"DESKTOP/2TOP", "2"}, {"DESKTOP/TASKTRAY", "1"},
                     {"OPTION/SWAPLRMENU", "1"}};
  SettingsValues values;
  ReadSettingsStep(*file, ReadStep::kMainWindow, values);
  EXPECT_EQ(values.main_top, 1);
  EXPECT_EQ(values.chooser_top, 10);
  EXPECT_FALSE(values.tray_mode);
  EXPECT_FALSE(values.swap_menus);
  ReadSettingsStep(*file, ReadStep::kOtherWindows, values);
  EXPECT_EQ(values.chooser_top, 2);
  EXPECT_FALSE(values.tray_mode);
}

TEST_F(SettingsKeysTest, HistoryReadStopsAtTheLimitAndKeepsEmptyEntries) {
  profile->values["HISTORY/NUM"] = "20";
  for (int k = 1; k <= 20; ++k) profile->values["HISTORY/" + std::to_string(k)] = "h" + std::to_string(k);
  profile->values["HISTORY/2"] = "";
  const auto entries = ReadHistoryEntries(*file, 16);
  ASSERT_EQ(entries.size(), 16u);
  EXPECT_EQ(entries[0], "h1");
  EXPECT_EQ(entries[1], "");
  EXPECT_EQ(entries[15], "h16");
  EXPECT_TRUE(ReadHistoryEntries(*file, -1).empty());
  profile->values["HISTORY/NUM"] = "-3";
  EXPECT_TRUE(ReadHistoryEntries(*file, 16).empty());
  profile->values["HISTORY/NUM"] = "2000000000";
  EXPECT_LE(ReadHistoryEntries(*file, 2000000000).size(), 4096u);
}

TEST_F(SettingsKeysTest, ExitSaveWritesEveryKeyInItsOrder) {
  SettingsValues values;
  values.tray_mode = true;
  values.scan_hot_key = 0;
  ExitSave(*file, values, {"c:\\WINDOWS", ""});
  const std::vector<std::string> keys = {
      "DESKTOP/MAINTOP",     "DESKTOP/MAINLEFT",     "DESKTOP/MAINWIDTH",
      "DESKTOP/2TOP",        "DESKTOP/2LEFT",        "DESKTOP/2WIDTH",
      "DESKTOP/2HEIGHT",     "DESKTOP/4TOP",         "DESKTOP/4LEFT",
      "DESKTOP/4WIDTH",      "OPTION/HOTKEY2",       "OPTION/SWAPLRMENU",
      "OPTION/IGNORESYSDIR", "OPTION/USEAUTOCOMPLETE", "OPTION/AUTOCLOSEIME",
      "OPTION/ADDHISTORYTOINPUTED", "OPTION/MAXHISTORYCOUNT", "DESKTOP/TASKTRAY",
      "HISTORY/NUM",         "HISTORY/1",            "HISTORY/2"};
  EXPECT_EQ(WrittenKeys(), keys);
  EXPECT_EQ(profile->values["DESKTOP/TASKTRAY"], "1");
  EXPECT_EQ(profile->values["OPTION/HOTKEY2"], "");
  EXPECT_EQ(profile->values["HISTORY/2"], "");
}

TEST_F(SettingsKeysTest, ExitSaveLeavesHigherHistoryKeysAndSwallowsFailures) {
  profile->values["HISTORY/17"] = "old";
  ExitSave(*file, SettingsValues{}, std::vector<std::string>(16, "x"));
  EXPECT_EQ(profile->values["HISTORY/NUM"], "16");
  EXPECT_EQ(profile->values["HISTORY/17"], "old");

  profile->written.clear();
  profile->writes_before_failure = 3;
  EXPECT_NO_THROW(ExitSave(*file, SettingsValues{}, {}));
  EXPECT_EQ(profile->written.size(), 3u);
  profile->writes_before_failure = 0;
  EXPECT_THROW(WriteAllSettings(*file, SettingsValues{}, {}), SettingsWriteError);
}

// Under Wine this holds the platform's profile functions, file copy and
// rename to the same rules.
TEST(ExitSaveOnDisk, ReplacesTheFileWholeOrNotAtAll) {
  test::TestTree tree;
  const std::string path = tree.Root() + "vyr.INI";
  tree.MakeFile("vyr.INI",
                "[DESKTOP]\r\nMAINTOP=5\r\n[COMMANDS]\r\nNUM=1\r\nDESCRIPTION0=mine\r\n");
  SettingsValues values;
  values.main_top = 77;
  {
    SettingsFile file = OpenSettingsFile(path);
    ExitSave(file, values, {"h1"});
  }
  SettingsFile file = OpenSettingsFile(path);
  EXPECT_EQ(file.ReadInteger("DESKTOP", "MAINTOP", 0), 77);
  EXPECT_EQ(file.ReadString("HISTORY", "1"), "h1");
  EXPECT_EQ(file.ReadString("COMMANDS", "DESCRIPTION0"), "mine");
  EXPECT_TRUE(platform::RealFileSystem().IsMissing(SettingsCopyPath(path)));

  // A copy that cannot be made fails the save, which leaves the file alone.
  ByteBuffer before;
  ASSERT_TRUE(platform::RealFileSystem().ReadWholeFile(path, before));
  tree.MakeDirectory("vyr.INI.new");
  values.main_top = 88;
  EXPECT_NO_THROW(ExitSave(file, values, {"h2"}));
  ByteBuffer after;
  ASSERT_TRUE(platform::RealFileSystem().ReadWholeFile(path, after));
  EXPECT_EQ(after.view(), before.view());
}

TEST(ExitSaveOnDisk, MissingFileIsCreated) {
  test::TestTree tree;
  const std::string path = tree.Root() + "new.INI";
  SettingsFile file = OpenSettingsFile(path);
  ExitSave(file, SettingsValues{}, {});
  EXPECT_EQ(file.ReadInteger("DESKTOP", "MAINTOP", 0), 10);
  EXPECT_EQ(file.ReadString("HISTORY", "NUM"), "0");
  EXPECT_TRUE(platform::RealFileSystem().IsMissing(SettingsCopyPath(path)));
}

TEST(DefaultSettingsPath, ExtensionReplacedOrAppended) {
  struct Case { std::string program, settings; };
  const Case cases[] = {
      {"D:\\Tools\\launch.exe", "D:\\Tools\\launch.INI"},
      {"D:\\Tools\\vyr", "D:\\Tools\\vyr.INI"},
      {"D:\\v1.2\\vyr", "D:\\v1.2\\vyr.INI"},
      {"C:\\a.b.exe", "C:\\a.b.INI"},
      {"vyr.exe", "vyr.INI"},
  };
  for (const Case& c : cases) EXPECT_EQ(DefaultSettingsPath(c.program), c.settings);
}

}  // namespace
}  // namespace vyr
