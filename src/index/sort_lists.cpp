#include "index/sort_lists.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace vyr {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
using Order = std::vector<std::uint32_t>;

// The first eight bytes of a name as one number, so that most comparisons
// never touch the names themselves. Names hold no NUL, and padding with 0
// keeps a proper beginning first.
std::uint64_t PrefixKey(std::string_view name) {
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    key = key << 8 | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
  }
  return key;
}

struct SortItem {
  std::uint64_t prefix;
  std::uint32_t position;
};

// Puts each run of equal names in the order of their paths, which are only
// written out for such runs, one run at a time.
template <typename AppendPath>
void OrderEqualNamesByPath(const StringList& names, Order& order, const AppendPath& append_path) {
  std::string paths;  // the run's paths, one after another
  struct RunEntry {
    std::uint32_t start;
    std::uint32_t length;
    std::uint32_t position;
  };
  std::vector<RunEntry> run;
  for (std::size_t begin = 0, end = 0; begin < order.size(); begin = end) {
    end = begin + 1;
    while (end < order.size() && names[order[end]] == names[order[begin]]) ++end;
    if (end - begin < 2) continue;
    paths.clear();
    run.clear();
    for (std::size_t k = begin; k < end; ++k) {
      const std::size_t start = paths.size();
      append_path(order[k], paths);
      if (paths.size() > UINT32_MAX) throw std::length_error("paths over 4 GiB");
      run.push_back({static_cast<std::uint32_t>(start),
                     static_cast<std::uint32_t>(paths.size() - start), order[k]});
    }
    const auto path = [&](const RunEntry& entry) {
      return std::string_view(paths).substr(entry.start, entry.length);
    };
    std::sort(run.begin(), run.end(), [&](const RunEntry& a, const RunEntry& b) {
      if (const int by_path = path(a).compare(path(b))) return by_path < 0;
      return a.position < b.position;
    });
    for (std::size_t k = begin; k < end; ++k) order[k] = run[k - begin].position;
  }
}

// The positions of the entries in sorted order.
template <typename AppendPath>
Order SortedOrder(const StringList& names, const AppendPath& append_path) {
  std::vector<SortItem> items(names.size());
  for (std::size_t k = 0; k < names.size(); ++k) {
    items[k] = {PrefixKey(names[k]), static_cast<std::uint32_t>(k)};
  }
  std::sort(items.begin(), items.end(), [&](const SortItem& a, const SortItem& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    // std::string_view compares chars as unsigned bytes.
    if (const int by_name = names[a.position].compare(names[b.position])) return by_name < 0;
    return a.position < b.position;
  });
  Order order(items.size());
  for (std::size_t k = 0; k < items.size(); ++k) order[k] = items[k].position;
  std::vector<SortItem>().swap(items);
  // Equal names go by path, so that the pair does not depend on the order in
  // which the platform listed the directories.
  OrderEqualNamesByPath(names, order, append_path);
  return order;
}

// The entries of `list` in `order`, each ended by CR LF.
StringList LinesInOrder(const StringList& list, const Order& order) {
  StringList lines;
  lines.Adopt(ByteBuffer(), {0}, kLineEnd);
  lines.reserve(order.size(), list.EntryBytes() + kLineEnd.size() * order.size());
  for (const std::uint32_t position : order) lines.push_back(list[position]);
  return lines;
}

// Where each path of the tree goes: the list's offsets in `order`, and for
// each directory its place in that order.
std::vector<std::uint32_t> PathOffsets(const WalkedTree& tree, const Order& order,
                                       std::vector<std::uint32_t>& place) {
  constexpr std::uint64_t kLongest = UINT32_MAX;
  // First each path's length, a parent's before its children's.
  place.resize(tree.size());
  for (std::size_t k = 0; k < tree.size(); ++k) {
    const std::uint32_t parent = tree.parent(k);
    const std::uint64_t above =
        parent == WalkedTree::kRoot ? tree.root().size() : std::uint64_t{place[parent]} + 1;
    const std::uint64_t length = above + tree.name(k).size();
    if (length > kLongest) throw std::length_error("path over 4 GiB");
    place[k] = static_cast<std::uint32_t>(length);
  }
  std::vector<std::uint32_t> offsets(order.size() + 1);
  std::uint64_t end = 0;
  for (std::size_t j = 0; j < order.size(); ++j) {
    end += place[order[j]] + kLineEnd.size();
    if (end > kLongest) throw std::length_error("path list over 4 GiB");
    offsets[j + 1] = static_cast<std::uint32_t>(end);
  }
  for (std::size_t j = 0; j < order.size(); ++j) place[order[j]] = static_cast<std::uint32_t>(j);
  return offsets;
}

// Every path of the tree in `order`, each ended by CR LF. A directory's path
// is its parent's, already in place since a parent comes first in the tree,
// then "\" and its name.
StringList PathsInOrder(const WalkedTree& tree, Order order) {
  std::vector<std::uint32_t> place;
  std::vector<std::uint32_t> offsets = PathOffsets(tree, order, place);
  Order().swap(order);  // before the largest part is made

  ByteBuffer bytes;
  bytes.ResizeUninitialized(offsets.back());
  char* const data = bytes.data();
  const std::string& root = tree.root();
  for (std::size_t k = 0; k < tree.size(); ++k) {
    char* out = data + offsets[place[k]];
    const std::uint32_t parent = tree.parent(k);
    if (parent == WalkedTree::kRoot) {
      out = std::copy(root.begin(), root.end(), out);
    } else {
      const std::uint32_t at = offsets[place[parent]];
      const std::size_t length = offsets[place[parent] + 1] - at - kLineEnd.size();
      out = std::copy_n(data + at, length, out);
      *out++ = '\\';
    }
    const std::string_view name = tree.name(k);
    out = std::copy(name.begin(), name.end(), out);
    std::copy(kLineEnd.begin(), kLineEnd.end(), out);
  }
  StringList paths;
  paths.Adopt(std::move(bytes), std::move(offsets), kLineEnd);
  return paths;
}

}  // namespace

void SortLists(LoadedIndex& index) {
  const Order order = SortedOrder(
      index.names, [&](std::uint32_t k, std::string& text) { text.append(index.paths[k]); });
  StringList sorted_names = LinesInOrder(index.names, order);
  index.names.swap(sorted_names);
  StringList().swap(sorted_names);
  StringList sorted_paths = LinesInOrder(index.paths, order);
  index.paths.swap(sorted_paths);
}

void SortWalkedTree(WalkedTree tree, LoadedIndex& index) {
  Order order = SortedOrder(tree.upper_names(),
                            [&](std::uint32_t k, std::string& text) { tree.AppendPath(k, text); });
  index.Clear();
  index.names = LinesInOrder(tree.upper_names(), order);
  tree.ReleaseUpperNames();
  index.paths = PathsInOrder(tree, std::move(order));
}

}  // namespace vyr
