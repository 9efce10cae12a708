#include "base/string_list.h"

#include <limits>
#include <stdexcept>

namespace vyr {

void StringList::push_back(std::string_view entry) {
  if (entry.size() > std::numeric_limits<std::uint32_t>::max() - offsets_.back()) {
    throw std::length_error("string list over 4 GiB");
  }
  bytes_.resize(offsets_.back());  // an adopted buffer may hold bytes past the last entry
  bytes_.append(entry);
  offsets_.push_back(static_cast<std::uint32_t>(bytes_.size()));
}

void StringList::clear() {
  bytes_.clear();
  offsets_.assign(1, 0);
}

void StringList::reserve(std::size_t entries, std::size_t bytes) {
  offsets_.reserve(entries + 1);
  bytes_.reserve(bytes);
}

void StringList::swap(StringList& other) noexcept {
  bytes_.swap(other.bytes_);
  offsets_.swap(other.offsets_);
}

void StringList::Adopt(std::string&& bytes, std::vector<std::uint32_t>&& offsets) {
  if (offsets.empty() || offsets.front() != 0 || offsets.back() > bytes.size()) {
    throw std::invalid_argument("offsets do not fit the buffer");
  }
  bytes_ = std::move(bytes);
  offsets_ = std::move(offsets);
}

}  // namespace vyr
