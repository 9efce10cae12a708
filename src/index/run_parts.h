// Work cut into parts that run at once, one thread each, where the machine
// has the cores for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace vyr {

// How many parts a sort is cut into: two where there are two cores, as the
// walk uses, else one.
int SortParts();

// Calls work(0) .. work(parts - 1) and returns when all have ended: part 0 on
// this thread, each other part on a thread of its own, or here after the
// others when the system refuses a thread. The first exception a part throws
// is thrown again once every part has ended.
void RunParts(int parts, const std::function<void(int part)>& work);

// Calls work(part, chunk) once for each chunk 0 .. chunks - 1, on `parts`
// parts as RunParts does: each part takes the next chunk left, in order,
// until none is, so that a part slowed down by other work takes fewer.
void RunChunks(int parts, std::size_t chunks,
               const std::function<void(int part, std::size_t chunk)>& work);

// Calls first() and second(), at once where `parts` is two or more, as
// RunParts does.
void RunBoth(int parts, const std::function<void()>& first, const std::function<void()>& second);

// Where part `part` of `size` things cut into `parts` begins; part `parts`
// begins at `size`.
inline std::size_t PartStart(std::size_t size, int part, int parts) {
  return static_cast<std::size_t>(std::uint64_t{size} * static_cast<std::uint64_t>(part) /
                                  static_cast<std::uint64_t>(parts));
}

}  // namespace vyr
