#include "tools/vyr-cli/find_command.h"

#include <gtest/gtest.h>

#include "cli/run_cli.h"
#include "index/index_store.h"
#include "jump/jump_texts.h"
#include "platform/file_system.h"
#include "support/test_tree.h"
#include "tools/vyr-cli/candidate_choice.h"

namespace vyr::cli {
namespace {

using platform::DriveInfo;
using platform::DriveType;

// Drives with their labels, as a machine reports them.
class ListedDrives final : public platform::Drives, public platform::Volumes {
 public:
  ListedDrives(std::vector<DriveInfo> drives, char current)
      : drives_(std::move(drives)), current_(current) {}
  std::vector<DriveInfo> List() override { return drives_; }
  char CurrentLetter() override { return current_; }
  std::string Label(char letter) override {
    for (const DriveInfo& drive : drives_) {
      if (drive.letter == letter) return drive.label;
    }
    return {};
  }
  Machine machine() { return {*this, *this}; }

 private:
  std::vector<DriveInfo> drives_;
  char current_;
};

// Pairs saved as a scan saves them; names sorted, each with its path.
void SavePair(const std::string& directory, const std::string& label,
              const std::vector<std::pair<std::string, std::string>>& entries) {
  LoadedIndex index;
  index.volume_label = label;
  for (const auto& [name, path] : entries) {
    index.names.push_back(name);
    index.paths.push_back(path);
  }
  ASSERT_TRUE(IndexStore(platform::RealFileSystem(), directory).Save(index));
}

class EveryDriveTest : public ::testing::Test {
 protected:
  EveryDriveTest() {
    SavePair(index_dir, "SYS", {{"ABC", "c:\\abc"}, {"ABCDEF", "c:\\x\\abcdef"}, {"X", "c:\\x"}});
    SavePair(index_dir, "USB", {{"ABC", "d:\\abc"}});
    SavePair(index_dir, "DATA", {{"ABA", "f:\\aba"}, {"ABC", "f:\\q\\abc"}});
  }

  Output Find(const std::string& text) {
    return RunCli({"find", text, "--all-drives", "--index-dir", index_dir}, drives.machine());
  }

  std::string index_dir = test::ScratchDirectory();
  // e: has no pair; g: shares c:'s label and so its pair; the removable d:
  // is never asked.
  ListedDrives drives{{{'c', DriveType::kFixed, "SYS", {}},
                       {'d', DriveType::kRemovable, "USB", {}},
                       {'e', DriveType::kFixed, "NEW", {}},
                       {'f', DriveType::kNetwork, "DATA", {}},
                       {'g', DriveType::kFixed, "SYS", {}}},
                      'e'};
};

TEST_F(EveryDriveTest, DriveByDriveInLetterOrder) {
  struct Case {
    std::string text;
    int status;
    std::string out, err;
  };
  const Case cases[] = {
      {"ab", kExitFound, "c:\\abc\nc:\\x\\abcdef\nf:\\aba\nf:\\q\\abc\n", ""},
      {"abc", kExitFound, "c:\\abc\nc:\\x\\abcdef\nf:\\q\\abc\n", ""},
      {"q\\ab", kExitFound, "f:\\q\\abc\n", ""},
      // A drive prefix or a rooted path is one drive's, as without the flag.
      {"f:ab", kExitFound, "f:\\aba\nf:\\q\\abc\n", ""},
      {"d:abc", kExitFound, "d:\\abc\n", ""},
      {"\\work", kExitFound, "e:\\WORK\n", ""},
      {"zzz", kExitNotFound, "", std::string("ZZZ") + texts::kNotFound + "\n"},
      {" ", kExitEmpty, "", ""},
      {"http://a", kExitDirectOpen, "http://a\n", ""},
  };
  for (const Case& c : cases) {
    const Output found = Find(c.text);
    EXPECT_EQ(found.status, c.status) << c.text;
    EXPECT_EQ(found.out, c.out) << c.text;
    EXPECT_EQ(found.err, c.err) << c.text;
  }
}

TEST_F(EveryDriveTest, NoPairOnAnyDriveAsksForAScan) {
  ListedDrives unscanned({{'e', DriveType::kFixed, "NEW", {}}, {'h', DriveType::kFixed, "", {}}},
                         0);
  for (const std::string text : {"abc", "q\\ab", ""}) {
    const Output found =
        RunCli({"find", text, "--all-drives", "--index-dir", index_dir}, unscanned.machine());
    EXPECT_EQ(found.status, kExitScanFirst) << text;
    EXPECT_EQ(found.err, std::string(texts::kScanFirst) + "\n") << text;
  }
}

TEST_F(EveryDriveTest, TheWordsAfterTwoDashesAreTheText) {
  SavePair(index_dir, "DATA", {{"PROGRAM FILES", "f:\\Program Files"}, {"PROGRAMS", "f:\\p"}});
  const Output found = RunCli(
      {"find", "--all-drives", "--index-dir", index_dir, "--", "program", "f"}, drives.machine());
  EXPECT_EQ(found.status, kExitFound) << found.err;
  EXPECT_EQ(found.out, "f:\\Program Files\n");
  // Nothing after "--" is the empty text; a flag after it is a word of it.
  EXPECT_EQ(
      RunCli({"find", "--all-drives", "--index-dir", index_dir, "--"}, drives.machine()).status,
      kExitEmpty);
  EXPECT_EQ(
      RunCli({"find", "--index-dir", index_dir, "--all-drives", "--", "--pick"}, drives.machine())
          .err,
      std::string("--PICK") + texts::kNotFound + "\n");
}

TEST_F(EveryDriveTest, PickTakesTheNumberTyped) {
  struct Case {
    std::optional<std::string> answer;  // nothing: the input has ended
    int status;
    std::string out;
  };
  const Case cases[] = {
      {"2", kExitFound, "c:\\x\\abcdef\n"},
      {" 3 \r", kExitFound, "f:\\q\\abc\n"},
      {"\x82\x50", kExitFound, "c:\\abc\n"},  // １, as an input method types it
      {"03", kExitFound, "f:\\q\\abc\n"},
      {"0", kExitNoChoice, ""},
      {"4", kExitNoChoice, ""},
      {"99999999999999999999999", kExitNoChoice, ""},
      {"-1", kExitNoChoice, ""},
      {"1 2", kExitNoChoice, ""},
      {"abc", kExitNoChoice, ""},
      {"", kExitNoChoice, ""},
      {std::nullopt, kExitNoChoice, ""},
  };
  const std::string question =
      std::string("1) c:\\abc\n2) c:\\x\\abcdef\n3) f:\\q\\abc\n") + kChoicePrompt;
  for (const Case& c : cases) {
    std::vector<std::string> asked;
    const Output picked =
        RunCli({"find", "abc", "--all-drives", "--pick", "--index-dir", index_dir},
               drives.machine(), [&](std::string_view text) {
                 asked.emplace_back(text);
                 return c.answer;
               });
    const std::string label = c.answer.value_or("(end of input)");
    EXPECT_EQ(picked.status, c.status) << label;
    EXPECT_EQ(picked.out, c.out) << label;
    EXPECT_EQ(picked.err, "") << label;
    EXPECT_EQ(asked, std::vector<std::string>{question}) << label;
  }
}

TEST_F(EveryDriveTest, PickAsksNothingOfOneCandidateOrOfNone) {
  int asked = 0;
  const Ask ask = [&](std::string_view) {
    ++asked;
    return std::optional<std::string>("1");
  };
  const auto pick = [&](const std::string& text) {
    return RunCli({"find", text, "--all-drives", "--pick", "--index-dir", index_dir},
                  drives.machine(), ask);
  };
  const Output one = pick("aba");
  EXPECT_EQ(one.status, kExitFound);
  EXPECT_EQ(one.out, "f:\\aba\n");
  EXPECT_EQ(pick("zzz").status, kExitNotFound);
  // An address has nowhere to change to: nothing on the output at all.
  const Output address = pick("http://a");
  EXPECT_EQ(address.status, kExitDirectOpen);
  EXPECT_EQ(address.out, "");
  EXPECT_EQ(asked, 0);
  // With nobody to ask, several candidates leave the choice unmade.
  EXPECT_EQ(
      RunCli({"find", "abc", "--all-drives", "--pick", "--index-dir", index_dir}, drives.machine())
          .status,
      kExitNoChoice);
}

TEST_F(EveryDriveTest, NumbersLineUpPastNine) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (char k = 'a'; k <= 'k'; ++k)
    entries.push_back({std::string("N") + char(k - 32), std::string("f:\\n") + k});
  SavePair(index_dir, "DATA", entries);
  std::string question;
  const Output picked = RunCli({"find", "n", "--all-drives", "--pick", "--index-dir", index_dir},
                               drives.machine(), [&](std::string_view text) {
                                 question = text;
                                 return std::optional<std::string>("11");
                               });
  EXPECT_EQ(picked.out, "f:\\nk\n");
  EXPECT_NE(question.find(" 9) f:\\ni\n10) f:\\nj\n11) f:\\nk\n"), std::string::npos) << question;
}

// The real drives, the real scan: the paths as this machine names them.
TEST(NativePaths, AreThisMachinesOwn) {
  test::TestTree tree;
  tree.SetLabel("CLINATIVE");
  tree.MakeDirectory("abc");
  tree.MakeDirectory("x\\abcdef");
  tree.MakeDirectory("\x8E\xCA\x90\x5E\\\x83\x5C\x83\x74\x83\x67");  // 写真\ソフト: 0x5C inside
  const std::string index_dir = test::ScratchDirectory();
  const std::string drive(1, tree.drive());
  ASSERT_EQ(RunCli({"scan", drive, "--index-dir", index_dir}).status, kExitFound);

  struct Case {
    std::vector<std::string> flags;
    std::string text, out;
  };
  const Case cases[] = {
      {{"--drive", drive, "--native"},
       "abc",
       tree.MachinePath("abc") + "\n" + tree.MachinePath("x\\abcdef") + "\n"},
      {{"--all-drives", "--native"},
       "\x83\x5C",
       tree.MachinePath("\x8E\xCA\x90\x5E\\\x83\x5C\x83\x74\x83\x67") + "\n"},
      {{"--all-drives"}, "abcd", tree.Root() + "x\\abcdef\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"find", c.text, "--index-dir", index_dir};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    const Output found = RunCli(args);
    EXPECT_EQ(found.status, kExitFound) << found.err;
    EXPECT_EQ(found.out, c.out) << testing::PrintToString(c.flags);
  }
}

}  // namespace
}  // namespace vyr::cli
