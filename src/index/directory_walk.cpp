#include "index/directory_walk.h"

#include <vector>

#include "base/sjis.h"
#include "platform/upper_case.h"
#include "index/walk_rules.h"

namespace vyr {
namespace {

// One directory on the way down: its path and the children still to enter.
struct Level {
  std::string path;  // ends in "\"
  std::vector<WalkedChild> children;
  std::size_t next = 0;
};

class Walker {
 public:
  Walker(platform::DirectoryLister& lister, const WalkOptions& options, WalkProgress& progress,
         LoadedIndex& index)
      : lister_(lister), options_(options), progress_(progress), index_(index) {}

  int Run(const std::string& root) {
    Enter(root);
    while (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == level.children.size()) {
        levels_.pop_back();
        continue;
      }
      const WalkedChild child = std::move(level.children[level.next++]);
      std::string path = level.path + child.name;
      index_.names.push_back(UpperCase(child.name));
      index_.paths.push_back(path);
      if (child.is_link && LeadsBackUp(path, lister_)) continue;
      path += '\\';
      Enter(path);
    }
    return found_;
  }

 private:
  void Enter(const std::string& path) {
    progress_.EnterDirectory(path, found_);
    Level level;
    level.path = path;
    ListWalkedChildren(lister_, path, options_, level.children);
    found_ += static_cast<int>(level.children.size());
    levels_.push_back(std::move(level));
  }

  platform::DirectoryLister& lister_;
  const WalkOptions& options_;
  WalkProgress& progress_;
  LoadedIndex& index_;
  std::vector<Level> levels_;
  int found_ = 0;
};

}  // namespace

int WalkDirectories(const std::string& root, platform::DirectoryLister& lister,
                    const WalkOptions& options, WalkProgress& progress, LoadedIndex& index) {
  return Walker(lister, options, progress, index).Run(root);
}

}  // namespace vyr
