#include "base/byte_buffer.h"

#include <algorithm>
#include <cstring>
#include <functional>
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
  if (bytes.empty()) return;
  // Bytes of this very buffer stay readable across the growth.
  const std::less<const char*> before;
  const bool own = !before(bytes.data(), data_.get()) && before(bytes.data(), data_.get() + size_);
  const std::size_t own_at = own ? static_cast<std::size_t>(bytes.data() - data_.get()) : 0;
  const std::size_t at = size_;
  ResizeUninitialized(size_ + bytes.size());
  const char* source = own ? data_.get() + own_at : bytes.data();
  std::memmove(data_.get() + at, source, bytes.size());
}

void ByteBuffer::swap(ByteBuffer& other) noexcept {
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
}

}  // namespace vyr
