#include "index/directory_walk.h"

#include <vector>

#include "index/walk_rules.h"

namespace vyr {
namespace {

// One directory on the way down: its path, its number in the tree and the
// children still to enter.
struct Level {
  std::string path;  // ends in "\"
  std::uint32_t number;
  std::vector<WalkedChild> children;
  std::size_t next = 0;
};

class Walker {
 public:
  Walker(platform::DirectoryLister& lister, const WalkOptions& options, WalkProgress& progress,
         WalkedTree& tree)
      : lister_(lister), options_(options), progress_(progress), tree_(tree) {}

  int Run() {
    Enter(tree_.root(), WalkedTree::kRoot);
    while (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == level.children.size()) {
        levels_.pop_back();
        continue;
      }
      const WalkedChild child = std::move(level.children[level.next++]);
      const std::uint32_t number = tree_.Add(level.number, child.name, child.upper_name);
      std::string path = level.path + child.name;
      if (child.is_link && LeadsBackUp(path, lister_)) continue;
      path += '\\';
      Enter(path, number);
    }
    return found_;
  }

 private:
  void Enter(const std::string& path, std::uint32_t number) {
    progress_.EnterDirectory(path, found_);
    Level level{path, number, {}};
    ListWalkedChildren(lister_, path, options_, level.children);
    found_ += static_cast<int>(level.children.size());
    levels_.push_back(std::move(level));
  }

  platform::DirectoryLister& lister_;
  const WalkOptions& options_;
  WalkProgress& progress_;
  WalkedTree& tree_;
  std::vector<Level> levels_;
  int found_ = 0;
};

}  // namespace

int WalkDirectories(platform::DirectoryLister& lister, const WalkOptions& options,
                    WalkProgress& progress, WalkedTree& tree) {
  return Walker(lister, options, progress, tree).Run();
}

}  // namespace vyr
