#include "commands/command_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "commands/commands_texts.h"
#include "fakes/fake_profile.h"

namespace vyr {
namespace {

class CommandListTest : public ::testing::Test {
 protected:
  CommandListTest() {
    auto owned = std::make_unique<test::FakeProfile>();
    profile = owned.get();
    file = std::make_unique<SettingsFile>(std::move(owned), "vyr.INI");
  }
  test::FakeProfile* profile;
  std::unique_ptr<SettingsFile> file;
  CommandList list;
};

TEST_F(CommandListTest, NoSectionOrZeroGivesTheDefaultListAndWritesNothing) {
  for (const char* num : {"", "0", "abc"}) {
    profile->values.clear();
    if (*num) profile->values["COMMANDS/NUM"] = num;
    list.Load(*file);
    ASSERT_EQ(list.size(), 2u) << num;
    EXPECT_EQ(list[0], (CommandEntry{texts::kShowOnDesktop, "Explorer.exe", "%s\\", "", "Ctrl+Alt+G"}));
    EXPECT_EQ(list[1], (CommandEntry{texts::kShowAsTree, "Explorer.exe", "/e, %s\\", "", ""}));
  }
  EXPECT_TRUE(profile->written.empty());
}

TEST_F(CommandListTest, CountedEntriesLoadWithMissingKeysEmpty) {
  profile->values = {{"COMMANDS/NUM", "3"},
                     {"COMMANDS/DESCRIPTION0", "a"},
                     {"COMMANDS/COMMANDLINE0", "notepad.exe"},
                     {"COMMANDS/OPTION0", "%s"},
                     {"COMMANDS/DIRECTORY0", "c:\\"},
                     {"COMMANDS/HOTKEY0", "Ctrl+Alt+N"},
                     {"COMMANDS/DESCRIPTION1", "-"},
                     {"COMMANDS/DESCRIPTION2", "c"},
                     {"COMMANDS/DESCRIPTION3", "beyond NUM"}};
  list.Load(*file);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], (CommandEntry{"a", "notepad.exe", "%s", "c:\\", "Ctrl+Alt+N"}));
  EXPECT_TRUE(list[1].IsSeparator());
  EXPECT_EQ(list[2], (CommandEntry{"c", "", "", "", ""}));
}

TEST_F(CommandListTest, NegativeCountGivesAnEmptyList) {
  profile->values["COMMANDS/NUM"] = "-1";
  list.Load(*file);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.At(0), nullptr);
}

TEST_F(CommandListTest, SaveWritesTheCountThenEachEntryInKeyOrder) {
  list.Add({"t", "p", "o", "d", "h"});
  list.Add({"-", "", "", "", ""});
  list.Save(*file);
  const std::vector<std::string> written = {
      "COMMANDS/NUM=2",          "COMMANDS/DESCRIPTION0=t", "COMMANDS/COMMANDLINE0=p",
      "COMMANDS/OPTION0=o",      "COMMANDS/DIRECTORY0=d",   "COMMANDS/HOTKEY0=h",
      "COMMANDS/DESCRIPTION1=-", "COMMANDS/COMMANDLINE1=",  "COMMANDS/OPTION1=",
      "COMMANDS/DIRECTORY1=",    "COMMANDS/HOTKEY1="};
  EXPECT_EQ(profile->written, written);
  CommandList loaded;
  loaded.Load(*file);
  EXPECT_EQ(loaded.entries(), list.entries());
}

TEST_F(CommandListTest, ShorterSaveLeavesOldKeysThatTheCountHides) {
  for (int i = 0; i < 5; ++i) list.Add({"e" + std::to_string(i), "", "", "", ""});
  list.Save(*file);
  CommandList two;
  two.Add(list[0]);
  two.Add(list[1]);
  two.Save(*file);
  EXPECT_EQ(profile->values["COMMANDS/DESCRIPTION4"], "e4");
  CommandList loaded;
  loaded.Load(*file);
  EXPECT_EQ(loaded.size(), 2u);
}

TEST_F(CommandListTest, ResetWritesZeroAndLoadsTheDefaults) {
  list.Add({"mine", "", "", "", ""});
  list.Save(*file);
  list.ResetToDefault(*file);
  EXPECT_EQ(profile->values["COMMANDS/NUM"], "0");
  EXPECT_EQ(profile->values["COMMANDS/DESCRIPTION0"], "mine");
  EXPECT_EQ(list.entries(), CommandList::DefaultEntries());
}

TEST_F(CommandListTest, FailedSaveRaisesAndKeepsWhatWasWritten) {
  list.Add({"t", "p", "o", "d", "h"});
  profile->writes_before_failure = 2;
  EXPECT_THROW(list.Save(*file), SettingsWriteError);
  EXPECT_EQ(profile->written.size(), 2u);
}

// Reads from a profile in memory and gives up after `reads_left` reads, so
// that a load that does not stop fails at once instead of running for hours.
class ReadLimitedProfile final : public platform::Profile {
 public:
  test::FakeProfile inner;
  int reads_left = 0;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) override {
    if (reads_left-- == 0) throw std::runtime_error("the load reads without end");
    return inner.ReadString(section, key, fallback);
  }
  bool WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    return inner.WriteString(section, key, value);
  }
};

TEST(CommandListBound, AHugeCountLoadsTheBoundedNumberOfEntries) {
  struct Case {
    const char* num;
    std::size_t size;
  };
  const Case cases[] = {
      {"1023", 1023}, {"1024", 1024}, {"1025", 1024}, {"2000000000", 1024}, {"0x7FFFFFFF", 1024}};
  for (const Case& c : cases) {
    auto owned = std::make_unique<ReadLimitedProfile>();
    ReadLimitedProfile& profile = *owned;
    profile.inner.values = {{"COMMANDS/NUM", c.num},
                            {"COMMANDS/DESCRIPTION1022", "kept"},
                            {"COMMANDS/DESCRIPTION1024", "beyond the bound"}};
    profile.reads_left = 1 + 5 * kMostCommandsRead;
    SettingsFile file(std::move(owned), "vyr.INI");
    CommandList list;
    ASSERT_NO_THROW(list.Load(file)) << c.num;
    ASSERT_EQ(list.size(), c.size) << c.num;
    EXPECT_EQ(list[1022].title, "kept");
    EXPECT_EQ(list.At(1024), nullptr);
  }
}

TEST_F(CommandListTest, PositionsOutsideTheListHaveNoEntry) {
  list.Load(*file);
  EXPECT_NE(list.At(1), nullptr);
  EXPECT_EQ(list.At(2), nullptr);
  EXPECT_EQ(list.At(-1), nullptr);
  EXPECT_EQ(list.At(1LL << 40), nullptr);
}

}  // namespace
}  // namespace vyr
