#include "index/scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <new>
#include <utility>

#include "fakes/fake_file_system.h"
#include "fakes/fake_lister.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_scan_view.h"
#include "index/index_texts.h"

namespace vyr {
namespace {

using test::Dir;

class ScannerTest : public ::testing::Test {
 protected:
  ScannerTest() {
    lister.listings["c:\\"] = {Dir("b"), Dir("a")};
    lister.listings["c:\\b\\"] = {};
    lister.listings["c:\\a\\"] = {};
    index.volume_label = "VOL";
  }

  void LoadPrevious(int count) {
    for (int k = 0; k < count; ++k) {
      index.names.push_back("OLD");
      index.paths.push_back("c:\\old");
    }
    index.no_index = count == 0;
  }

  static std::string Count(int found, int previous) {
    char text[64];
    std::snprintf(text, sizeof text, texts::kScanCountFormat, found, previous);
    return std::string("count ") + text;
  }

  test::FakeFileSystem files;
  IndexStore store{files, "c:\\vyr\\"};
  test::FakeLister lister;
  // The progress window's calls, and the warnings, in their order.
  std::vector<std::string> Calls() const {
    std::vector<std::string> calls;
    for (const std::string& line : log.lines()) {
      calls.push_back(line.starts_with("scan: ") ? line.substr(6) : line);
    }
    return calls;
  }

  test::EffectLog log;
  test::FakeScanView view{log};
  test::FakeWarnings warnings{log};
  LoadedIndex index;
  Scanner scanner{index, store, lister, view, warnings};
};

TEST_F(ScannerTest, ShowsProgressThenSortsSavesAndCloses) {
  LoadPrevious(1);
  scanner.Scan('c', false);
  const std::vector<std::string> expected = {
      "letter C",   "range 1 shown",
      "position 0", "show",
      "busy",       "path c:\\",
      "position 0", Count(0, 1),
      "progress",   "path c:\\b\\",
      "position 1", Count(2, 1),
      "progress",   "path c:\\a\\",
      "position 1", Count(2, 1),
      "progress",   std::string("count ") + texts::kDirectoryTotal + "2",
      "position 1", std::string("path ") + texts::kStoringResult,
      "repaint",    "idle",
      "hide"};
  EXPECT_EQ(Calls(), expected);
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_VOL.dir"], "A\r\nB\r\n");
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_VOL.path"], "c:\\a\r\nc:\\b\r\n");
  EXPECT_FALSE(index.no_index);
  EXPECT_FALSE(scanner.scanning());
}

TEST_F(ScannerTest, NoLoadedIndexHidesTheBar) {
  lister.listings["C:\\"] = lister.listings["c:\\"];
  LoadPrevious(0);
  scanner.Scan('C', false);
  EXPECT_EQ(Calls()[1], "range 0 hidden");
  // The stored paths keep the letter's case as given.
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_VOL.path"], "C:\\a\r\nC:\\b\r\n");
}

TEST_F(ScannerTest, EmptyDriveWritesEmptyFilesAndClearsTheNoIndexFlag) {
  lister.listings["c:\\"] = {};
  LoadPrevious(0);
  scanner.Scan('c', false);
  EXPECT_EQ(files.files.at("c:\\vyr\\Vyr_VOL.dir"), "");
  EXPECT_EQ(files.files.at("c:\\vyr\\Vyr_VOL.path"), "");
  EXPECT_FALSE(index.no_index);
  const std::vector<std::string> calls = Calls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), std::string("count ") + texts::kDirectoryTotal + "0"),
            1);
}

TEST_F(ScannerTest, FailedSaveWarnsAndStillClosesWithTheNewIndex) {
  files.unwritable.insert("c:\\vyr\\Vyr_VOL.dir");
  LoadPrevious(0);
  scanner.Scan('c', false);
  const std::vector<std::string> calls = Calls();
  const std::string warning = std::string("warn C") + texts::kSaveFailed;
  EXPECT_EQ(std::count(calls.begin(), calls.end(), warning), 1);
  EXPECT_EQ(index.names.size(), 2u);
  EXPECT_FALSE(index.no_index);
  EXPECT_EQ(calls.back(), "hide");
}

TEST_F(ScannerTest, BarStaysFullOnceTheCounterPassesThePreviousCount) {
  lister.listings["c:\\"] = {Dir("a"), Dir("b"), Dir("c")};
  LoadPrevious(2);
  scanner.Scan('c', false);
  for (const std::string& call : Calls()) {
    if (call.rfind("position ", 0) == 0) {
      EXPECT_LE(std::stoi(call.substr(9)), 2) << call;
    }
  }
}

TEST_F(ScannerTest, WalkOnSeveralThreadsSavesTheSamePair) {
  lister.listings["c:\\a\\"] = {Dir("y"), Dir("x")};
  lister.listings["c:\\b\\"] = {Dir("x")};
  LoadPrevious(0);
  scanner.Scan('c', false);
  const std::string names = files.files["c:\\vyr\\Vyr_VOL.dir"];
  const std::string paths = files.files["c:\\vyr\\Vyr_VOL.path"];

  test::EffectLog other_log;
  test::FakeScanView other_view{other_log};
  LoadedIndex other_index;
  other_index.volume_label = "VOL";
  Scanner in_parallel{other_index, store,
                      lister,      other_view,
                      warnings,    [&] { return std::make_unique<test::FakeLister>(lister); }};
  files.files.clear();
  in_parallel.Scan('c', false);
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_VOL.dir"], names);
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_VOL.path"], paths);
  EXPECT_EQ(paths, "c:\\a\r\nc:\\b\r\nc:\\a\\x\r\nc:\\b\\x\r\nc:\\a\\y\r\n");
  EXPECT_EQ(other_log.lines().back(), "scan: hide");
  EXPECT_FALSE(in_parallel.scanning());
}

TEST_F(ScannerTest, AScanAskedForWhileOneRunsIsRefused) {
  files.unwritable.insert("c:\\vyr\\Vyr_VOL.dir");
  LoadPrevious(0);
  // A warning box serves messages while it is shown, and a scan hot key may
  // come among them.
  warnings.on_show = [&] { scanner.Scan('c', false); };
  scanner.Scan('c', false);
  const std::vector<std::string> calls = Calls();
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                          [](const std::string& call) { return call.starts_with("warn "); }),
            1);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "show"), 1);
  EXPECT_EQ(lister.listed.size(), 3u);
  EXPECT_EQ(index.names.size(), 2u);
  EXPECT_FALSE(scanner.scanning());

  scanner.Scan('c', false);  // once it has ended, the next one runs
  EXPECT_EQ(lister.listed.size(), 6u);
}

// A lister that fails at its first listing, as one out of memory would.
class ThrowingOnceLister final : public platform::DirectoryLister {
 public:
  explicit ThrowingOnceLister(platform::DirectoryLister& then) : then_(then) {}
  bool List(const std::string& path, bool want_system_bit,
            const platform::EntryVisitor& visit) override {
    if (!thrown_) {
      thrown_ = true;
      throw std::bad_alloc();
    }
    return then_.List(path, want_system_bit, visit);
  }
  std::optional<platform::FileIdentity> Identity(const std::string& path) override {
    return then_.Identity(path);
  }

 private:
  platform::DirectoryLister& then_;
  bool thrown_ = false;
};

TEST_F(ScannerTest, AScanThatFailsKeepsThePreviousPairAndDoesNotRefuseTheNext) {
  files.files["c:\\vyr\\Vyr_VOL.dir"] = "OLD\r\n";
  files.files["c:\\vyr\\Vyr_VOL.path"] = "c:\\old\r\n";
  LoadPrevious(1);
  ThrowingOnceLister failing(lister);
  Scanner once{index, store, failing, view, warnings};
  once.Scan('c', false);
  const std::vector<std::string> calls = Calls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), std::string("warn C") + texts::kSaveFailed), 1);
  EXPECT_EQ(calls.back(), "hide");
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "idle"), 1);
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_VOL.path"], "c:\\old\r\n");
  ASSERT_EQ(index.paths.size(), 1u);
  EXPECT_EQ(index.paths[0], "c:\\old");
  EXPECT_FALSE(once.scanning());
  once.Scan('c', false);
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_VOL.path"], "c:\\a\r\nc:\\b\r\n");
}

}  // namespace
}  // namespace vyr
