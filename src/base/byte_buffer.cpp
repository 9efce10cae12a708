#include "base/byte_buffer.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vyr {

void ByteBuffer::Reserve(std::size_t capacity) {
  if (capacity <= capacity_) return;
  // new char[] leaves the bytes uninitialised, which is the point.
  std::unique_ptr<char[]> grown(new char[capacity]);
  if (size_ != 0) std::memcpy(grown.get(), data_.get(), size_);
  data_ = std::move(grown);
  capacity_ = capacity;
}

void ByteBuffer::ResizeUninitialized(std::size_t size) {
  if (size > capacity_) Reserve(std::max(size, capacity_ + capacity_ / 2));
  size_ = size;
}

void ByteBuffer::Append(std::string_view bytes) {
  if (bytes.size() > SIZE_MAX - size_) throw std::length_error("byte buffer too large");
  const std::size_t at = size_;
  ResizeUninitialized(size_ + bytes.size());
  if (!bytes.empty()) std::memcpy(data_.get() + at, bytes.data(), bytes.size());
}

void ByteBuffer::swap(ByteBuffer& other) noexcept {
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
}

}  // namespace vyr
