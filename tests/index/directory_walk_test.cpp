#include "index/directory_walk.h"

#include <gtest/gtest.h>

#include "fakes/fake_lister.h"
#include "fakes/fake_walk_progress.h"

namespace vyr {
namespace {

using platform::kAttributeReparsePoint;
using platform::kAttributeSystem;
using test::Dir;
using test::File;
using test::RecordingProgress;

class DirectoryWalkTest : public ::testing::Test {
 protected:
  int Walk(bool skip_system = false) {
    tree = WalkedTree("c:\\");
    return WalkDirectories(lister, WalkOptions{skip_system}, progress, tree);
  }
  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (std::size_t k = 0; k < tree.size(); ++k) paths.push_back(tree.Path(k));
    return paths;
  }

  test::FakeLister lister;
  RecordingProgress progress;
  WalkedTree tree{"c:\\"};
};

TEST_F(DirectoryWalkTest, PreOrderInListingOrderWithChildrenCollectedFirst) {
  lister.listings["c:\\"] = {Dir("."), Dir(".."), Dir("b"), File("f.txt"), Dir("a")};
  lister.listings["c:\\b\\"] = {Dir("."), Dir(".."), Dir("x")};
  lister.listings["c:\\b\\x\\"] = {};
  lister.listings["c:\\a\\"] = {Dir(".git")};
  lister.listings["c:\\a\\.git\\"] = {};
  EXPECT_EQ(Walk(), 4);
  const std::vector<std::string> paths = {"c:\\b", "c:\\b\\x", "c:\\a", "c:\\a\\.git"};
  EXPECT_EQ(Paths(), paths);
  EXPECT_EQ(tree.upper_name(3), ".GIT");
  const std::vector<std::string> listed = {"c:\\", "c:\\b\\", "c:\\b\\x\\", "c:\\a\\",
                                           "c:\\a\\.git\\"};
  EXPECT_EQ(lister.listed, listed);
}

TEST_F(DirectoryWalkTest, CounterCountsChildrenWhenTheirParentIsListed) {
  lister.listings["c:\\"] = {Dir("a"), Dir("b")};
  lister.listings["c:\\a\\"] = {Dir("c")};
  const std::vector<std::pair<std::string, int>> entered = {
      {"c:\\", 0}, {"c:\\a\\", 2}, {"c:\\a\\c\\", 3}, {"c:\\b\\", 3}};
  Walk();
  EXPECT_EQ(progress.entered, entered);
}

TEST_F(DirectoryWalkTest, SystemDirectoriesAndTheirSubtreesOnlyWhenNotSkipped) {
  lister.listings["c:\\"] = {Dir("sys", kAttributeSystem), Dir("hidden", 0x02 | 0x01)};
  lister.listings["c:\\sys\\"] = {Dir("inner")};
  EXPECT_EQ(Walk(true), 1);
  EXPECT_EQ(Paths(), std::vector<std::string>{"c:\\hidden"});

  EXPECT_EQ(Walk(false), 3);
  const std::vector<std::string> all = {"c:\\sys", "c:\\sys\\inner", "c:\\hidden"};
  EXPECT_EQ(Paths(), all);
}

TEST_F(DirectoryWalkTest, UnlistableDirectoryKeepsItsEntryWithoutChildren) {
  lister.listings["c:\\"] = {Dir("locked"), Dir("open")};
  lister.listings["c:\\open\\"] = {Dir("x")};
  EXPECT_EQ(Walk(), 3);
  const std::vector<std::string> paths = {"c:\\locked", "c:\\open", "c:\\open\\x"};
  EXPECT_EQ(Paths(), paths);
}

TEST_F(DirectoryWalkTest, UnlistableRootGivesAnEmptyIndex) {
  EXPECT_EQ(Walk(), 0);
  EXPECT_EQ(tree.size(), 0u);
}

TEST_F(DirectoryWalkTest, LinkBackIntoItsOwnTreeIsTakenButNotEnteredAgain) {
  lister.listings["c:\\"] = {Dir("a")};
  lister.listings["c:\\a\\"] = {Dir("loop", kAttributeReparsePoint), Dir("elsewhere", kAttributeReparsePoint)};
  lister.listings["c:\\a\\loop\\"] = {Dir("a")};
  lister.listings["c:\\a\\elsewhere\\"] = {Dir("z")};
  lister.identities["c:\\"] = {1, 1};
  lister.identities["c:\\a"] = {1, 2};
  lister.identities["c:\\a\\loop"] = {1, 2};
  lister.identities["c:\\a\\elsewhere"] = {1, 9};
  Walk();
  const std::vector<std::string> paths = {"c:\\a", "c:\\a\\loop", "c:\\a\\elsewhere",
                                          "c:\\a\\elsewhere\\z"};
  EXPECT_EQ(Paths(), paths);
}

TEST_F(DirectoryWalkTest, NamesAreUpperCasedAndPathsKeepTheirCase) {
  lister.listings["c:\\"] = {Dir("Program Files"), Dir("\x82\x81\x83\x5C")};
  Walk();
  EXPECT_EQ(tree.upper_name(0), "PROGRAM FILES");
  EXPECT_EQ(tree.Path(0), "c:\\Program Files");
  EXPECT_EQ(tree.upper_name(1), "\x82\x60\x83\x5C");
  EXPECT_EQ(tree.Path(1), "c:\\\x82\x81\x83\x5C");
}

}  // namespace
}  // namespace vyr
