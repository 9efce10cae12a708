// An ordered list of byte strings kept in one contiguous buffer with offsets:
// a million directories cost two allocations, not a million.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class StringList {
 public:
  std::size_t size() const { return offsets_.size() - 1; }
  bool empty() const { return size() == 0; }

  std::string_view operator[](std::size_t k) const {
    return std::string_view(bytes_.data() + offsets_[k], offsets_[k + 1] - offsets_[k]);
  }

  void push_back(std::string_view entry);
  void clear();
  void reserve(std::size_t entries, std::size_t bytes);
  void swap(StringList& other) noexcept;

  // Takes over `bytes` as the buffer, entry k being offsets[k] .. offsets[k + 1];
  // offsets start at 0 and never go down.
  void Adopt(std::string&& bytes, std::vector<std::uint32_t>&& offsets);

  // The bytes of every entry, back to back.
  std::string_view bytes() const { return std::string_view(bytes_.data(), offsets_.back()); }

  // Heap bytes held, for the memory benchmark.
  std::size_t MemoryUsed() const {
    return bytes_.capacity() + offsets_.capacity() * sizeof(std::uint32_t);
  }

 private:
  std::string bytes_;
  std::vector<std::uint32_t> offsets_{0};  // offsets_[k] .. offsets_[k + 1] is entry k
};

}  // namespace vyr
