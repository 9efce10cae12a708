// Large blocks that a sort writes once, from end to end: not filled first,
// and on large pages where the system gives them.
#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

#include "base/byte_buffer.h"
#include "platform/large_pages.h"

namespace vyr {

template <typename T>
std::unique_ptr<T[]> FreshArray(std::size_t size) {
  static_assert(std::is_trivially_default_constructible_v<T>);
  std::unique_ptr<T[]> array(new T[size]);
  platform::AdviseLargePages(array.get(), size * sizeof(T));
  return array;
}

// `size` zeros.
template <typename T>
std::vector<T> FreshVector(std::size_t size) {
  std::vector<T> vector;
  vector.reserve(size);
  platform::AdviseLargePages(vector.data(), size * sizeof(T));
  vector.resize(size);
  return vector;
}

// `bytes` grown to `size`, its new bytes not yet written.
inline void FreshBytes(ByteBuffer& bytes, std::size_t size) {
  bytes.Reserve(size);
  platform::AdviseLargePages(bytes.data(), size);
  bytes.ResizeUninitialized(size);
}

}  // namespace vyr
