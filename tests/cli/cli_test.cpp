#include "tools/vyr-cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "index/index_texts.h"
#include "jump/jump_texts.h"
#include "support/test_tree.h"

namespace vyr::cli {
namespace {

struct Output {
  int status;
  std::string out, err;
};

Output RunCli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = Run(args, out, err);
  return {status, out.str(), err.str()};
}

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
  };
  for (const auto& args : cases) {
    const Output output = RunCli(args);
    EXPECT_EQ(output.status, kExitUsage) << testing::PrintToString(args);
    EXPECT_NE(output.err.find("usage:"), std::string::npos);
  }
}

}  // namespace
}  // namespace vyr::cli
