// A Loaded index written out in a test: (name, path) pairs in list order,
// the no-index flag set only when there are none.
#pragma once

#include <initializer_list>
#include <utility>

#include "index/loaded_index.h"

namespace vyr::test {

inline LoadedIndex IndexOf(std::initializer_list<std::pair<const char*, const char*>> entries) {
  LoadedIndex index;
  for (const auto& [name, path] : entries) {
    index.names.push_back(name);
    index.paths.push_back(path);
  }
  index.no_index = index.names.empty();
  return index;
}

}  // namespace vyr::test
