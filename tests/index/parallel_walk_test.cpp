#include "index/parallel_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "fakes/fake_lister.h"
#include "fakes/fake_walk_progress.h"

namespace vyr {
namespace {

using platform::kAttributeReparsePoint;
using platform::kAttributeSystem;
using test::Dir;
using test::File;
using test::RecordingProgress;

// Every entry as "name|path", in sorted order: what the pair holds once sorted.
std::vector<std::string> Entries(const WalkedTree& tree) {
  std::vector<std::string> entries;
  for (std::size_t k = 0; k < tree.size(); ++k) {
    entries.push_back(std::string(tree.upper_name(k)) + "|" + tree.Path(k));
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

// A tree of `size` directories with files, system directories, directories
// that cannot be listed, links back up and links elsewhere.
test::FakeLister RandomTree(int size, unsigned seed) {
  std::mt19937 random(seed);
  test::FakeLister lister;
  std::vector<std::string> made = {"c:\\"};
  lister.listings["c:\\"] = {};
  lister.identities["c:\\"] = {1, 0};
  for (int k = 1; k <= size; ++k) {
    const std::string parent = made[random() % made.size()];
    const std::string name = (k % 7 == 0 ? "\x83\x5C" : "d") + std::to_string(k % 50);
    const unsigned kind = random() % 20;
    std::uint32_t extra = kind == 0 ? kAttributeSystem : kind == 1 ? kAttributeReparsePoint : 0;
    lister.listings[parent].push_back(Dir(name, extra));
    lister.listings[parent].push_back(File("f" + std::to_string(k)));
    const std::string path = parent + name;
    lister.identities[path] = {1, static_cast<std::uint64_t>(k)};
    if (kind == 1) {  // a link to where it stands, or to some other directory made so far
      std::string target = random() % 2 ? parent : made[random() % made.size()];
      if (target.size() > 3) target.pop_back();
      lister.identities[path] = lister.identities[target];
    }
    if (kind == 2) continue;  // cannot be listed
    lister.listings[path + "\\"] = {};
    made.push_back(path + "\\");
  }
  return lister;
}

TEST(WalkDirectoriesInParallel, FindsWhatTheWalkOnOneThreadFinds) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const test::FakeLister tree = RandomTree(3000, seed);
    for (bool skip_system : {false, true}) {
      test::FakeLister lister = tree;
      RecordingProgress progress;
      WalkedTree walked("c:\\");
      const int found = WalkDirectories(lister, WalkOptions{skip_system}, progress, walked);
      for (int threads : {1, 2, 4, 8}) {
        WalkedTree in_parallel("c:\\");
        const int found_in_parallel = WalkDirectoriesInParallel(
            [&] { return std::make_unique<test::FakeLister>(tree); }, threads,
            WalkOptions{skip_system}, progress, in_parallel);
        EXPECT_EQ(found_in_parallel, found) << seed << " " << threads;
        EXPECT_EQ(Entries(in_parallel), Entries(walked)) << seed << " " << threads;
      }
    }
  }
}

TEST(WalkDirectoriesInParallel, ProgressStartsAtTheRootAndNeverGoesBack) {
  const test::FakeLister tree = RandomTree(2000, 4);
  RecordingProgress progress;
  WalkedTree walked("c:\\");
  WalkDirectoriesInParallel([&] { return std::make_unique<test::FakeLister>(tree); }, 2,
                            WalkOptions{}, progress, walked);
  ASSERT_FALSE(progress.entered.empty());
  EXPECT_EQ(progress.entered.front(), (std::pair<std::string, int>{"c:\\", 0}));
  for (std::size_t k = 1; k < progress.entered.size(); ++k) {
    EXPECT_GE(progress.entered[k].second, progress.entered[k - 1].second);
  }
}

// A lister that gives up part way, as one that runs out of memory would.
class FailingLister final : public platform::DirectoryLister {
 public:
  explicit FailingLister(int lists_left) : lists_left_(lists_left) {}
  bool List(const std::string&, bool, const platform::EntryVisitor& visit) override {
    if (--lists_left_ < 0) throw std::bad_alloc();
    for (int k = 0; k < 5; ++k) visit("d" + std::to_string(k), platform::kAttributeDirectory);
    return true;
  }
  std::optional<platform::FileIdentity> Identity(const std::string&) override { return {}; }

 private:
  int lists_left_;
};

TEST(WalkDirectoriesInParallel, AFailingListerEndsTheWalkWithItsError) {
  RecordingProgress progress;
  WalkedTree walked("c:\\");
  EXPECT_THROW(WalkDirectoriesInParallel([] { return std::make_unique<FailingLister>(40); }, 2,
                                         WalkOptions{}, progress, walked),
               std::bad_alloc);
}

}  // namespace
}  // namespace vyr
