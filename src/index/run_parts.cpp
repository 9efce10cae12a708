#include "index/run_parts.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace vyr {

int SortParts() {
  constexpr unsigned kMostParts = 2;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores >= kMostParts ? static_cast<int>(kMostParts) : 1;
}

void RunParts(int parts, const std::function<void(int part)>& work) {
  std::mutex mutex;
  std::exception_ptr failure;
  const auto run = [&](int part) {
    try {
      work(part);
    } catch (...) {
      const std::lock_guard lock(mutex);
      if (!failure) failure = std::current_exception();
    }
  };
  {
    std::vector<std::jthread> threads;
    int part = 1;
    try {
      threads.reserve(parts > 1 ? static_cast<std::size_t>(parts - 1) : 0);
      for (; part < parts; ++part) threads.emplace_back(run, part);
    } catch (const std::system_error&) {
      // No thread to be had: the parts left run here, after part 0.
    }
    run(0);
    for (int left = part; left < parts; ++left) run(left);
  }  // the threads are joined here
  if (failure) std::rethrow_exception(failure);
}

void RunChunks(int parts, std::size_t chunks,
               const std::function<void(int part, std::size_t chunk)>& work) {
  if (chunks == 0) return;
  // No thread is made for a part that would find no chunk left.
  parts = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(parts), chunks));
  std::atomic<std::size_t> next{0};
  RunParts(parts, [&](int part) {
    for (std::size_t chunk = next++; chunk < chunks; chunk = next++) work(part, chunk);
  });
}

void RunBoth(int parts, const std::function<void()>& first, const std::function<void()>& second) {
  if (parts < 2) {
    first();
    second();
    return;
  }
  RunParts(2, [&](int part) { part == 0 ? first() : second(); });
}

}  // namespace vyr
