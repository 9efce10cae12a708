// A made-up drive, the same one for the same arguments: the tree the
// benchmarks scan, and the index they search without scanning it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vyr::bench {

struct TreeShape {
  std::uint64_t directories = 500000;  // below the root, exactly
  std::uint64_t seed = 1;
  int max_depth = 12;
};

// Told every entry of the tree in pre-order: a directory, then its files,
// then its subdirectories. The parent of an entry at `depth` is the last
// directory told at depth - 1; depth 0 is the root. Names are UTF-8.
class TreeSink {
 public:
  virtual ~TreeSink() = default;
  virtual void Directory(int depth, std::string_view name) = 0;
  virtual void File(int depth, std::string_view name) = 0;
};

struct TreeStats {
  std::uint64_t directories = 0;
  std::uint64_t files = 0;
  std::uint64_t japanese_names = 0;  // directories with a non-ASCII name
  std::uint64_t widest_directory = 0;
  std::vector<std::uint64_t> directories_at_depth;  // index 1 .. max_depth
};

TreeStats GenerateTree(const TreeShape& shape, TreeSink& sink);

}  // namespace vyr::bench
