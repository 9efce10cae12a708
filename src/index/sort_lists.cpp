#include "index/sort_lists.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vyr {
namespace {

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

StringList Permuted(const StringList& list, const std::vector<SortItem>& order) {
  StringList result;
  result.reserve(list.size(), list.EntryBytes());
  for (const SortItem& item : order) result.push_back(list[item.position]);
  return result;
}

}  // namespace

void SortLists(LoadedIndex& index) {
  const StringList& names = index.names;
  const StringList& paths = index.paths;
  std::vector<SortItem> order(names.size());
  for (std::size_t k = 0; k < names.size(); ++k) {
    order[k] = {PrefixKey(names[k]), static_cast<std::uint32_t>(k)};
  }
  std::sort(order.begin(), order.end(), [&](const SortItem& a, const SortItem& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    // std::string_view compares chars as unsigned bytes.
    if (const int by_name = names[a.position].compare(names[b.position])) return by_name < 0;
    // Equal names go by path, so that the pair does not depend on the order in
    // which the platform listed the directories.
    if (const int by_path = paths[a.position].compare(paths[b.position])) return by_path < 0;
    return a.position < b.position;
  });
  StringList sorted_names = Permuted(index.names, order);
  StringList sorted_paths = Permuted(index.paths, order);
  index.names.swap(sorted_names);
  index.paths.swap(sorted_paths);
}

}  // namespace vyr
