#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <map>

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

// Settings files in memory, each its keys: the profiles and the file
// operations of a write through a copy meet the same files, and any one step
// can be made to fail.
class FakeDisk final : public platform::FileSystem {
 public:
  using Keys = std::map<std::string, std::string>;  // "SECTION/KEY"
  std::map<std::string, Keys> files;
  std::string failing_step;  // "copy", "move", "remove" or "write"
  int writes_before_failure = 0;

  SettingsFiles Store() {
    return {[this](std::string path) { return std::make_unique<Profile>(*this, std::move(path)); },
            this};
  }

  bool ReadWholeFile(const std::string&, ByteBuffer&, platform::ReadObserver*) override {
    return false;
  }
  bool ReplaceFiles(std::span<const platform::FileWrite>) override { return false; }
  bool IsMissing(const std::string& path) override { return files.count(path) == 0; }
  bool CopyWholeFile(const std::string& from, const std::string& to) override {
    if (failing_step == "copy" || !files.count(from)) return false;
    files[to] = files[from];
    return true;
  }
  bool MoveOver(const std::string& from, const std::string& to) override {
    if (failing_step == "move" || !files.count(from)) return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  bool RemoveFile(const std::string& path) override {
    if (failing_step == "remove") return false;
    files.erase(path);
    return true;
  }

 private:
  class Profile final : public platform::Profile {
   public:
    Profile(FakeDisk& disk, std::string path) : disk_(disk), path_(std::move(path)) {}
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override {
      const auto file = disk_.files.find(path_);
      if (file == disk_.files.end()) return std::string(fallback);
      const auto it = file->second.find(test::FakeProfile::Name(section, key));
      return it == file->second.end() ? std::string(fallback) : it->second;
    }
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
      if (disk_.failing_step == "write" && disk_.writes_before_failure-- == 0) return false;
      disk_.files[path_][test::FakeProfile::Name(section, key)] = std::string(value);
      return true;
    }

   private:
    FakeDisk& disk_;
    std::string path_;
  };
};

TEST(SettingsWriteThroughCopy, FileIsEitherAsItWasOrAsAllTheWritesLeaveIt) {
  const std::string path = "C:\\vyr.INI";
  const std::string copy = SettingsCopyPath(path);
  const FakeDisk::Keys old_file = {{"COMMANDS/NUM", "1"}, {"DESKTOP/A", "old"}};
  const FakeDisk::Keys new_file = {{"COMMANDS/NUM", "1"}, {"DESKTOP/A", "new"}, {"DESKTOP/B", "2"}};
  struct Case {
    const char* name;
    bool file_there;
    bool stale_copy;  // left by a save that was cut short
    const char* failing_step;
    int writes_before_failure;
  };
  const Case cases[] = {
      {"done", true, false, "", 0},
      {"done over a stale copy", true, true, "", 0},
      {"done without a file", false, false, "", 0},
      {"copy fails", true, false, "copy", 0},
      {"stale copy cannot go", true, true, "remove", 0},
      {"first key fails", true, false, "write", 0},
      {"last key fails", true, false, "write", 1},
      {"last key fails without a file", false, false, "write", 1},
      {"rename fails", true, false, "move", 0},
  };
  for (const Case& c : cases) {
    FakeDisk disk;
    if (c.file_there) disk.files[path] = old_file;
    if (c.stale_copy) disk.files[copy] = {{"DESKTOP/A", "half"}};
    disk.failing_step = c.failing_step;
    disk.writes_before_failure = c.writes_before_failure;
    SettingsFile file(path, disk.Store());
    const bool fails = *c.failing_step != 0;
    try {
      file.WriteThroughCopy([](SettingsFile& copy) {
        copy.WriteString("DESKTOP", "A", "new");
        copy.WriteInteger("DESKTOP", "B", 2);
      });
      EXPECT_FALSE(fails) << c.name;
    } catch (const SettingsWriteError& error) {
      EXPECT_TRUE(fails) << c.name;
      EXPECT_EQ(std::string(error.what()).rfind(path + " ", 0), 0u) << c.name;
    }
    if (fails && c.file_there) {
      EXPECT_EQ(disk.files[path], old_file) << c.name;
    } else if (fails) {
      EXPECT_TRUE(disk.IsMissing(path)) << c.name;
    } else {
      FakeDisk::Keys expected = new_file;
      if (!c.file_there) expected.erase("COMMANDS/NUM");
      EXPECT_EQ(disk.files[path], expected) << c.name;
    }
    // A copy that cannot be removed is the one case that leaves it behind.
    if (std::string(c.failing_step) != "remove") {
      EXPECT_TRUE(disk.IsMissing(copy)) << c.name;
    }
  }
}

TEST(SettingsWriteThroughCopy, NoWritesAndNoFileLeaveNoFile) {
  FakeDisk disk;
  SettingsFile file("vyr.INI", disk.Store());
  file.WriteThroughCopy([](SettingsFile&) {});
  EXPECT_TRUE(disk.files.empty());
}

}  // namespace
}  // namespace vyr
