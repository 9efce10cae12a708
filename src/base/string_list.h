// An ordered list of byte strings kept in one contiguous buffer with offsets:
// a million directories cost two allocations, not a million.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_buffer.h"

namespace vyr {

class StringList {
 public:
  std::size_t size() const { return offsets_.size() - 1; }
  bool empty() const { return size() == 0; }

  std::string_view operator[](std::size_t k) const {
    return std::string_view(bytes_.data() + offsets_[k],
                            offsets_[k + 1] - offsets_[k] - separator_.size());
  }

  void push_back(std::string_view entry);
  void clear();
  void reserve(std::size_t entries, std::size_t bytes);
  void swap(StringList& other) noexcept;

  // Takes over `bytes` as the buffer, entry k being offsets[k] .. offsets[k + 1]
  // less the `separator` that follows every entry there (a file's lines can
  // stay where they were read, line ends and all). Offsets start at 0, never
  // go down and never pass the buffer's end.
  void Adopt(ByteBuffer&& bytes, std::vector<std::uint32_t>&& offsets,
             std::string_view separator = {});

  // Every entry with its separator after it, as the buffer holds them: a
  // list of lines ended by CR LF is the very bytes of their file.
  std::string_view Bytes() const { return {bytes_.data(), offsets_.back()}; }
  // Where those bytes end: an entry may be read in blocks up to here.
  const char* BytesEnd() const { return bytes_.data() + offsets_.back(); }
  std::string_view separator() const { return separator_; }

  // The bytes of all entries together, separators not counted.
  std::size_t EntryBytes() const { return offsets_.back() - separator_.size() * size(); }

  // Heap bytes held, for the memory benchmark.
  std::size_t MemoryUsed() const {
    return bytes_.capacity() + offsets_.capacity() * sizeof(std::uint32_t);
  }

 private:
  ByteBuffer bytes_;
  // Entry k and its separator: offsets_[k] .. offsets_[k + 1].
  std::vector<std::uint32_t> offsets_{0};
  std::string separator_;
};

}  // namespace vyr
