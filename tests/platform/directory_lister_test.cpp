// The real directory listing under the walk, on a tree made for the test:
// natively through the Linux seam, under Wine through FindFirstFileExA.
#include "platform/directory_lister.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "index/directory_walk.h"
#include "index/parallel_walk.h"
#include "support/test_tree.h"

namespace vyr {
namespace {

class NoProgress final : public WalkProgress {
 public:
  void EnterDirectory(std::string_view, int) override {}
};

class DirectoryListerTest : public ::testing::Test {
 protected:
  // The paths of the walk on one thread, which the walk on several must match.
  std::vector<std::string> WalkedPaths(bool skip_system = false) {
    const WalkOptions options{skip_system};
    NoProgress progress;
    WalkedTree walked(tree.Root());
    WalkDirectories(*lister, options, progress, walked);
    for (int threads : {2, 3}) {
      WalkedTree walked_in_parallel(tree.Root());
      WalkDirectoriesInParallel(platform::MakeDirectoryLister, threads, options, progress,
                                walked_in_parallel);
      EXPECT_EQ(Sorted(walked_in_parallel), Sorted(walked)) << threads << " threads";
    }
    return Sorted(walked);
  }
  static std::vector<std::string> Sorted(const WalkedTree& walked) {
    std::vector<std::string> paths;
    for (std::size_t k = 0; k < walked.size(); ++k) paths.push_back(walked.Path(k));
    std::sort(paths.begin(), paths.end());
    return paths;
  }
  std::string At(std::string_view relative) const { return tree.Root() + std::string(relative); }

  test::TestTree tree;
  std::unique_ptr<platform::DirectoryLister> lister = platform::MakeDirectoryLister();
};

TEST_F(DirectoryListerTest, DirectoriesOnlyWithJapaneseAndDotNames) {
  tree.MakeDirectory("a\\b");
  tree.MakeDirectory(".hidden");
  tree.MakeDirectory("\x83\x68\x83\x4C\x83\x85\x83\x81\x83\x93\x83\x67\\\x83\x5C");  // ドキュメント\ソ
  tree.MakeFile("a\\file.txt", "x");
  const std::vector<std::string> expected = {
      At(".hidden"), At("a"), At("a\\b"), At("\x83\x68\x83\x4C\x83\x85\x83\x81\x83\x93\x83\x67"),
      At("\x83\x68\x83\x4C\x83\x85\x83\x81\x83\x93\x83\x67\\\x83\x5C")};
  EXPECT_EQ(WalkedPaths(), expected);
}

TEST_F(DirectoryListerTest, ListingReportsAttributesAndFailsForAMissingDirectory) {
  tree.MakeDirectory("d");
  tree.MakeFile("f");
  std::vector<std::pair<std::string, std::uint32_t>> entries;
  ASSERT_TRUE(lister->List(tree.Root(), false, [&](std::string_view name, std::uint32_t attributes) {
    entries.emplace_back(std::string(name), attributes);
  }));
  for (const auto& [name, attributes] : entries) {
    if (name == "d") {
      EXPECT_TRUE(attributes & platform::kAttributeDirectory);
    }
    if (name == "f") {
      EXPECT_FALSE(attributes & platform::kAttributeDirectory);
    }
  }
  EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                          [](const auto& e) { return e.first == "d" || e.first == "f"; }),
            2);
  EXPECT_FALSE(lister->List(At("gone\\"), false, [](std::string_view, std::uint32_t) {}));
}

TEST_F(DirectoryListerTest, SystemDirectoriesAreSkippedWithTheirSubtreeOnlyWhenAsked) {
  tree.MakeDirectory("sys\\inner");
  tree.MakeDirectory("plain");
  if (!tree.MarkSystem("sys")) GTEST_SKIP() << "this file system keeps no system attribute";
  EXPECT_EQ(WalkedPaths(true), std::vector<std::string>{At("plain")});
  EXPECT_EQ(WalkedPaths(false).size(), 3u);
}

TEST_F(DirectoryListerTest, LinkBackToAnAncestorEndsTheWalk) {
  tree.MakeDirectory("a\\b");
  if (!tree.MakeDirectoryLink("a\\b\\up", "a")) GTEST_SKIP() << "no links here";
  const std::vector<std::string> expected = {At("a"), At("a\\b"), At("a\\b\\up")};
  EXPECT_EQ(WalkedPaths(), expected);
}

TEST_F(DirectoryListerTest, VeryDeepTreeWalksWithoutHarm) {
  std::string deep;
  for (int level = 0; level < 60; ++level) deep.append(level ? "\\" : "").append(8, 'd');
  tree.MakeDirectory(deep);
  const std::vector<std::string> paths = WalkedPaths();
  EXPECT_GE(paths.size(), 20u);  // Windows stops listing past its path limit
  EXPECT_LE(paths.size(), 60u);
}

TEST_F(DirectoryListerTest, IdentityTellsTheSameDirectoryByAnyPath) {
  tree.MakeDirectory("a\\b");
  const auto a = lister->Identity(At("a"));
  ASSERT_TRUE(a.has_value());
  EXPECT_EQ(lister->Identity(At("a\\")), a);
  EXPECT_NE(lister->Identity(At("a\\b")), a);
  EXPECT_FALSE(lister->Identity(At("missing")).has_value());
}

}  // namespace
}  // namespace vyr
