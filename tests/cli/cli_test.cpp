#include "tools/vyr-cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/run_cli.h"
#include "fakes/fake_drives.h"
#include "index/index_texts.h"
#include "jump/jump_texts.h"
#include "support/test_tree.h"

namespace vyr::cli {
namespace {

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    tree.SetLabel("CLITEST");
    tree.MakeDirectory("Program Files\\Common Files");
    tree.MakeDirectory("abc");
    tree.MakeDirectory("x\\abcdef");
    tree.MakeDirectory("\x8E\xCA\x90\x5E");  // 写真
    tree.MakeFile("abc\\file.txt", "not a directory");
  }

  std::string Drive() const { return std::string(1, tree.drive()); }
  Output Scan() { return RunCli({"scan", Drive(), "--index-dir", index_dir}); }
  Output Find(const std::string& text) {
    return RunCli({"find", text, "--drive", Drive(), "--index-dir", index_dir});
  }

  test::TestTree tree;
  std::string index_dir = test::ScratchDirectory();
};

TEST_F(CliTest, ScanThenFindEveryOutcome) {
  const Output scan = Scan();
  EXPECT_EQ(scan.status, kExitFound) << scan.err;
  EXPECT_EQ(scan.out, "6\n");

  const std::string root = tree.Root();
  struct Case { std::string text; int status; std::string out, err; };
  const Case cases[] = {
      {"abc", kExitFound, root + "abc\n" + root + "x\\abcdef\n", ""},
      {"\x8E\xCA", kExitFound, root + "\x8E\xCA\x90\x5E\n", ""},
      {"s\\com", kExitFound, root + "Program Files\\Common Files\n", ""},
      {"zzz", kExitNotFound, "", std::string("ZZZ") + texts::kNotFound + "\n"},
      {"  ", kExitEmpty, "", ""},
      {" http://example.com ", kExitDirectOpen, "http://example.com\n", ""},
      {"file", kExitNotFound, "", std::string("FILE") + texts::kNotFound + "\n"},
  };
  for (const Case& c : cases) {
    const Output found = Find(c.text);
    EXPECT_EQ(found.status, c.status) << c.text;
    EXPECT_EQ(found.out, c.out) << c.text;
    EXPECT_EQ(found.err, c.err) << c.text;
  }
}

TEST_F(CliTest, FindWithoutAPairAsksForAScan) {
  index_dir += std::string("never-scanned") + index_dir.back();
  const Output found = Find("abc");
  EXPECT_EQ(found.status, kExitScanFirst);
  EXPECT_EQ(found.err, std::string(texts::kScanFirst) + "\n");
}

// The drive may be gone since, or never was: its pair, which drives without
// a label share, stays.
TEST_F(CliTest, ScanOfADriveThatIsNotThereLeavesItsPairAlone) {
  ASSERT_EQ(Scan().status, kExitFound);
  test::EffectLog log;
  test::FakeDrives no_drives{log};
  const Output scan =
      RunCli({"scan", Drive(), "--index-dir", index_dir}, Machine{no_drives, no_drives});
  EXPECT_EQ(scan.status, kExitNotFound);
  EXPECT_EQ(scan.out, "");
  EXPECT_NE(scan.err, "");
  EXPECT_EQ(Find("abc").status, kExitFound);
}

TEST_F(CliTest, BadArgumentsGiveTheUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"scan"},
      {"scan", "cc"},
      {"scan", "1"},
      {"find"},
      {"frob", "x"},
      {"find", "x", "--drive"},
      {"find", "x", "--drive", "cd"},
      {"find", "x", "--ignore-sysdir"},
      {"scan", "c", "--drive", "c"},
      {"scan", "c", "--index-dir"},
      {"find", "x", "--bogus"},
      {"find", "x", "y"},
      {"find", "--native"},
      {"find", "x", "--drive", "c", "--all-drives"},
      {"find", "x", "--", "y"},
      {"expand"},
      {"expand", "%d", "--input"},
      {"expand", "%d", "--drive", "c"},
      {"expand", "%d", "extra"},
      {"encode"},
      {"encode", "url"},
      {"encode", "URL", "x"},
      {"encode", "sjis", "x"},
      {"encode", "url", "x", "y"},
      {"encode", "url", "x", "--dir", "d"},
      {"init"},
      {"init", "zsh"},
      {"init", "Bash"},
      {"init", "bash", "cmd"},
  };
  for (const auto& args : cases) {
    const Output output = RunCli(args);
    EXPECT_EQ(output.status, kExitUsage) << testing::PrintToString(args);
    EXPECT_NE(output.err.find("usage:"), std::string::npos);
  }
}

TEST(CliExpand, PrintsTheExpandedLine) {
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{"expand", "/e, %s\\", "--dir", "c:\\Program Files"}, "/e, c:\\Program Files\\\n"},
      {{"expand", "%wsearch%w %d", "--input", "abc"}, "\"search\" abc\n"},
      {{"expand", "%s|%d", "--input", "b", "--dir", "a"}, "a|b\n"},
      {{"expand", "%s|%d"}, "|\n"},
      {{"expand", "--dir"}, "--dir\n"},  // the first argument is always the line
      {{"expand", ""}, "\n"},
      {{"expand", "%u", "--input", "\x82\xA0 a"}, "%E3%81%82%20a\n"},  // あ a
  };
  for (const Case& c : cases) {
    const Output output = RunCli(c.args);
    EXPECT_EQ(output.status, kExitFound) << testing::PrintToString(c.args);
    EXPECT_EQ(output.out, c.out) << testing::PrintToString(c.args);
    EXPECT_EQ(output.err, "");
  }
}

TEST(CliEncode, EachFormIsWhatItsMacroInserts) {
  const std::string text = "\x8A\xBF\x8E\x9A \xB6\xDE&";  // 漢字 ｶﾞ&
  struct Case {
    std::string form, macro, out;
  };
  const Case cases[] = {
      {"url", "%e", "%8A%BF%8E%9A+%B6%DE%26"},
      {"utf8", "%u", "%E6%BC%A2%E5%AD%97%20%EF%BD%B6%EF%BE%9E%26"},  // 0x97 leads the space
      {"euc", "%x", "%B4%C1%BB%FA+%A5%AC%26"},
      {"jis", "%j", "4A%3Bz+%25%2C%26"},
  };
  for (const Case& c : cases) {
    const Output encoded = RunCli({"encode", c.form, text});
    EXPECT_EQ(encoded.status, kExitFound) << c.form;
    EXPECT_EQ(encoded.out, c.out + "\n") << c.form;
    EXPECT_EQ(RunCli({"expand", c.macro, "--input", text}).out, encoded.out) << c.form;
  }
  EXPECT_EQ(RunCli({"encode", "url", ""}).out, "\n");
}

}  // namespace
}  // namespace vyr::cli
