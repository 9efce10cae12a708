#include "index/scanner.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <system_error>
#include <thread>

#include "index/index_texts.h"
#include "index/sort_lists.h"

namespace vyr {
namespace {

// Clears the scanning flag however the scan ends: a flag left set would
// refuse every later scan.
class ScanningFlag {
 public:
  explicit ScanningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~ScanningFlag() { flag_ = false; }
  ScanningFlag(const ScanningFlag&) = delete;
  ScanningFlag& operator=(const ScanningFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void Scanner::Scan(char letter, bool skip_system_directories) {
  if (scanning_) return;
  const ScanningFlag scanning(scanning_);
  view_.SetDriveLetter(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
  bar_maximum_ = static_cast<int>(index_.paths.size());
  view_.SetBarRange(bar_maximum_, !index_.no_index);
  view_.SetBarPosition(0);
  view_.Show();
  bool built = false;
  try {
    Build(letter, skip_system_directories);
    built = true;
  } catch (const std::exception&) {
    // Out of memory on a very large drive, say: nothing was saved, and the
    // previous pair, still on disk, is the drive's index again.
    store_.Load(index_.volume_label, index_);
  }
  if (!built || !store_.Save(index_)) warnings_.ShowWarning(SaveFailureText(letter));

  view_.SetBusyCursor(false);
  if (built) index_.no_index = false;
  scanning_ = false;
  view_.Hide();
}

void Scanner::Build(char letter, bool skip_system_directories) {
  WalkedTree tree(std::string{letter, ':', '\\'});
  // The previous scan tells about how much room the walk needs, so that the
  // walk's lists are not copied as they grow, by two threads into memory of
  // their own. Room that stays unused costs no memory until it is written.
  const std::size_t previous = index_.names.size();
  tree.Reserve(previous + previous / 4, index_.names.EntryBytes() + index_.names.EntryBytes() / 4);
  // Only the previous count is needed: the old lists make room for the new.
  index_.Clear();
  view_.SetBusyCursor(true);

  Walk(WalkOptions{skip_system_directories}, tree);

  view_.SetCountText(texts::kDirectoryTotal + std::to_string(tree.size()));
  view_.SetBarPosition(bar_maximum_);
  view_.SetPathText(texts::kStoringResult);
  view_.Repaint();
  SortWalkedTree(std::move(tree), index_);
}

void Scanner::Walk(const WalkOptions& options, WalkedTree& tree) {
  // Listing is the system's work, and two cores list nearly twice as fast;
  // more would mostly wait on the disk.
  constexpr int kWalkThreads = 2;
  if (more_listers_ && std::thread::hardware_concurrency() >= kWalkThreads) {
    try {
      WalkDirectoriesInParallel(more_listers_, kWalkThreads, options, *this, tree);
      return;
    } catch (const std::system_error&) {
      // No threads to be had: the walk on this one. A failure met after the
      // walk began is the walk's own, and a second walk would add twice.
      if (tree.size() != 0) throw;
    }
  }
  WalkDirectories(lister_, options, *this, tree);
}

void Scanner::EnterDirectory(std::string_view path, int found_directories) {
  view_.SetPathText(path);
  view_.SetBarPosition(std::min(found_directories, bar_maximum_));
  char count[64];
  std::snprintf(count, sizeof count, texts::kScanCountFormat, found_directories, bar_maximum_);
  view_.SetCountText(count);
  view_.ShowProgress();
}

}  // namespace vyr
