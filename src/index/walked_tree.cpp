#include "index/walked_tree.h"

#include <algorithm>
#include <stdexcept>

namespace vyr {

std::uint32_t WalkedTree::Add(std::uint32_t parent, std::string_view name,
                              std::string_view upper_name) {
  // A parent always comes first, so that paths can be built front to back.
  if (parent != kRoot && parent >= parents_.size()) throw std::out_of_range("unknown parent");
  if (parents_.size() >= kRoot) throw std::length_error("too many directories");
  names_.push_back(name);
  upper_names_.push_back(upper_name);
  parents_.push_back(parent);
  return static_cast<std::uint32_t>(parents_.size() - 1);
}

void WalkedTree::Reserve(std::size_t entries, std::size_t name_bytes) {
  names_.reserve(entries, name_bytes);
  upper_names_.reserve(entries, name_bytes);
  parents_.reserve(entries);
}

std::string WalkedTree::Path(std::size_t k) const {
  std::string path;
  AppendPath(k, path);
  return path;
}

void WalkedTree::AppendPath(std::size_t k, std::string& text) const {
  // Measured on the way up, then written back to front on the way up again.
  std::size_t length = root_.size();
  for (auto at = static_cast<std::uint32_t>(k); at != kRoot; at = parents_[at]) {
    length += names_[at].size() + (parents_[at] == kRoot ? 0 : 1);
  }
  const std::size_t start = text.size();
  text.resize(start + length);
  char* end = text.data() + text.size();
  for (auto at = static_cast<std::uint32_t>(k); at != kRoot; at = parents_[at]) {
    const std::string_view name = names_[at];
    end -= name.size();
    std::copy(name.begin(), name.end(), end);
    if (parents_[at] != kRoot) *--end = '\\';
  }
  std::copy(root_.begin(), root_.end(), text.data() + start);
}

}  // namespace vyr
