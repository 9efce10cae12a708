#include "model_index.h"

#include <string>
#include <vector>

#include "base/sjis.h"
#include "platform/upper_case.h"
#include "index/sort_lists.h"
#include "platform/posix/cp932.h"

namespace vyr::bench {
namespace {

class IndexSink final : public TreeSink {
 public:
  IndexSink(char letter, LoadedIndex& index) : index_(index) {
    prefixes_.push_back(std::string{letter, ':'});
  }

  void Directory(int depth, std::string_view name) override {
    const std::string ansi = posix::Utf8ToAnsi(name);
    prefixes_.resize(static_cast<std::size_t>(depth));
    std::string path = prefixes_.back() + '\\' + ansi;
    index_.names.push_back(UpperCase(ansi));
    index_.paths.push_back(path);
    prefixes_.push_back(std::move(path));
  }

  void File(int, std::string_view) override {}

 private:
  LoadedIndex& index_;
  std::vector<std::string> prefixes_;  // prefixes_[d]: path of the last directory at depth d
};

}  // namespace

TreeStats BuildModelIndex(const TreeShape& shape, char letter, LoadedIndex& index) {
  index.Clear();
  // About what a drive of this many directories needs, so that filling it
  // does not copy the buffers over and over.
  index.names.reserve(shape.directories, shape.directories * 16);
  index.paths.reserve(shape.directories, shape.directories * 96);
  IndexSink sink(letter, index);
  const TreeStats stats = GenerateTree(shape, sink);
  index.no_index = index.names.empty();
  return stats;
}

TreeStats BuildSortedModelIndex(const TreeShape& shape, char letter, LoadedIndex& index) {
  const TreeStats stats = BuildModelIndex(shape, letter, index);
  SortLists(index);
  return stats;
}

}  // namespace vyr::bench
