#include "model_index.h"

#include <string>
#include <vector>

#include "index/sort_lists.h"
#include "platform/posix/cp932.h"
#include "platform/upper_case.h"

namespace vyr::bench {
namespace {

class TreeBuilder final : public TreeSink {
 public:
  explicit TreeBuilder(WalkedTree& tree) : tree_(tree) {}

  void Directory(int depth, std::string_view name) override {
    const std::string ansi = posix::Utf8ToAnsi(name);
    numbers_.resize(static_cast<std::size_t>(depth));
    numbers_.push_back(tree_.Add(numbers_.back(), ansi, UpperCase(ansi)));
  }

  void File(int, std::string_view) override {}

 private:
  WalkedTree& tree_;
  // numbers_[d]: the last directory at depth d; depth 0 is the root.
  std::vector<std::uint32_t> numbers_{WalkedTree::kRoot};
};

}  // namespace

TreeStats BuildModelTree(const TreeShape& shape, char letter, WalkedTree& tree) {
  tree = WalkedTree(std::string{letter, ':', '\\'});
  // About what a drive of this many directories needs, so that filling it
  // does not copy the buffers over and over.
  tree.Reserve(shape.directories, shape.directories * 12);
  TreeBuilder builder(tree);
  return GenerateTree(shape, builder);
}

TreeStats BuildSortedModelIndex(const TreeShape& shape, char letter, LoadedIndex& index) {
  WalkedTree tree("");
  const TreeStats stats = BuildModelTree(shape, letter, tree);
  SortWalkedTree(std::move(tree), index);
  index.no_index = index.names.empty();
  return stats;
}

}  // namespace vyr::bench
