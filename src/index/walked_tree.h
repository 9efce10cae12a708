// What a walk of a drive finds, held small until it is sorted: each
// directory's name as listed and upper-cased, and the directory that holds
// it. A full path is nearly all its parent's path, so the paths are not kept
// here: the sort builds each once, straight into its sorted place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/string_list.h"

namespace vyr {

class WalkedTree {
 public:
  // The parent of the directories directly below the root.
  static constexpr std::uint32_t kRoot = UINT32_MAX;

  // `root` is the walked directory, ending in "\" (c:\).
  explicit WalkedTree(std::string root) : root_(std::move(root)) {}

  // Adds the directory `name` below `parent`, which is kRoot or a directory
  // added before; returns the new directory's number.
  std::uint32_t Add(std::uint32_t parent, std::string_view name, std::string_view upper_name);

  // Makes room for `entries` directories whose names take `name_bytes`.
  void Reserve(std::size_t entries, std::size_t name_bytes);

  std::size_t size() const { return parents_.size(); }
  const std::string& root() const { return root_; }
  std::string_view name(std::size_t k) const { return names_[k]; }
  std::string_view upper_name(std::size_t k) const { return upper_names_[k]; }
  std::uint32_t parent(std::size_t k) const { return parents_[k]; }
  const StringList& names() const { return names_; }
  const StringList& upper_names() const { return upper_names_; }

  // The full path of directory k, without a trailing "\".
  std::string Path(std::size_t k) const;
  void AppendPath(std::size_t k, std::string& text) const;

  // Lets go of the upper-cased names once they have been copied out.
  void ReleaseUpperNames() { StringList().swap(upper_names_); }

 private:
  std::string root_;
  StringList names_;
  StringList upper_names_;
  std::vector<std::uint32_t> parents_;
};

}  // namespace vyr
