// A growable block of bytes that is never cleared when it grows: a file read
// into it is written once, not first filled with zeros and then again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace vyr {

class ByteBuffer {
 public:
  ByteBuffer() = default;
  explicit ByteBuffer(std::string_view bytes) { Append(bytes); }

  ByteBuffer(const ByteBuffer& other) { Append(other.view()); }
  ByteBuffer& operator=(const ByteBuffer& other) {
    if (this != &other) ByteBuffer(other).swap(*this);
    return *this;
  }
  ByteBuffer(ByteBuffer&& other) noexcept { swap(other); }
  ByteBuffer& operator=(ByteBuffer&& other) noexcept {
    ByteBuffer(std::move(other)).swap(*this);
    return *this;
  }

  char* data() { return data_.get(); }
  const char* data() const { return data_.get(); }
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  bool empty() const { return size_ == 0; }
  std::string_view view() const { return {data_.get(), size_}; }

  // Makes room for `capacity` bytes in all; what is there stays.
  void Reserve(std::size_t capacity);
  // Grows to `size` bytes whose new part holds whatever the memory held.
  void ResizeUninitialized(std::size_t size);
  void Truncate(std::size_t size) {
    if (size < size_) size_ = size;
  }
  void Append(std::string_view bytes);
  void Clear() { size_ = 0; }
  void swap(ByteBuffer& other) noexcept;

 private:
  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace vyr
