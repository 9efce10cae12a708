#include "platform/large_pages.h"

#include <sys/mman.h>

#include <cstdint>

namespace vyr::platform {

void AdviseLargePages(void* data, std::size_t size) {
  constexpr std::uintptr_t kLarge = 2 << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const auto begin = (start + kLarge - 1) & ~(kLarge - 1);
  const auto end = (start + size) & ~(kLarge - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

bool MakePages(void* data, std::size_t size) {
  constexpr std::uintptr_t kPage = 4096;
  const auto start = reinterpret_cast<std::uintptr_t>(data) & ~(kPage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(data) + size;
  if (end <= start) return true;
  return madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE) == 0;
}

}  // namespace vyr::platform
