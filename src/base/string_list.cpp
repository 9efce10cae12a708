#include "base/string_list.h"

#include <limits>
#include <stdexcept>

namespace vyr {

void StringList::push_back(std::string_view entry) {
  const std::size_t room = std::numeric_limits<std::uint32_t>::max() - offsets_.back();
  if (entry.size() > room || separator_.size() > room - entry.size()) {
    throw std::length_error("string list over 4 GiB");
  }
  bytes_.Truncate(offsets_.back());  // an adopted buffer may hold bytes past the last entry
  bytes_.Append(entry);
  bytes_.Append(separator_);
  offsets_.push_back(static_cast<std::uint32_t>(bytes_.size()));
}

void StringList::clear() {
  bytes_.Clear();
  offsets_.assign(1, 0);
  separator_.clear();
}

void StringList::reserve(std::size_t entries, std::size_t bytes) {
  offsets_.reserve(entries + 1);
  bytes_.Reserve(bytes);
}

void StringList::swap(StringList& other) noexcept {
  bytes_.swap(other.bytes_);
  offsets_.swap(other.offsets_);
  separator_.swap(other.separator_);
}

void StringList::Adopt(ByteBuffer&& bytes, std::vector<std::uint32_t>&& offsets,
                       std::string_view separator) {
  if (offsets.empty() || offsets.front() != 0 || offsets.back() > bytes.size() ||
      offsets.back() < separator.size() * (offsets.size() - 1)) {
    throw std::invalid_argument("offsets do not fit the buffer");
  }
  bytes_ = std::move(bytes);
  offsets_ = std::move(offsets);
  separator_ = std::string(separator);
}

}  // namespace vyr
