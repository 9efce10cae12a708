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

void Scanner::Scan(char letter, bool skip_system_directories) {
  scanning_ = true;
  view_.SetDriveLetter(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
  bar_maximum_ = static_cast<int>(index_.paths.size());
  view_.SetBarRange(bar_maximum_, !index_.no_index);
  view_.SetBarPosition(0);
  view_.Show();
  index_.Clear();
  view_.SetBusyCursor(true);

  const std::string root{letter, ':', '\\'};
  Walk(root, WalkOptions{skip_system_directories});

  view_.SetCountText(texts::kDirectoryTotal + std::to_string(index_.paths.size()));
  view_.SetBarPosition(bar_maximum_);
  view_.SetPathText(texts::kStoringResult);
  view_.Repaint();
  SortLists(index_);
  store_.Save(index_, letter, warnings_);

  view_.SetBusyCursor(false);
  index_.no_index = false;
  scanning_ = false;
  view_.Hide();
}

void Scanner::Walk(const std::string& root, const WalkOptions& options) {
  // Listing is the system's work, and two cores list nearly twice as fast;
  // more would mostly wait on the disk.
  constexpr int kWalkThreads = 2;
  if (more_listers_ && std::thread::hardware_concurrency() >= kWalkThreads) {
    try {
      WalkDirectoriesInParallel(root, more_listers_, kWalkThreads, options, *this, index_);
      return;
    } catch (const std::system_error&) {
      // no threads to be had: the walk on this one
    }
  }
  WalkDirectories(root, lister_, options, *this, index_);
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
