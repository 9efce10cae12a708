#include "index/text_order.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "index/byte_sort.h"
#include "index/fresh_memory.h"
#include "index/run_parts.h"

namespace vyr {
namespace {

using byte_sort::Entry;

constexpr std::string_view kLineEnd = "\r\n";

// The first pass deals the entries out by their first two bytes, each part
// dealing its own slice; then each part orders whole buckets and writes
// their lines.
constexpr int kFirstShift = 48;
constexpr std::size_t kBuckets = std::size_t{1} << 16;

std::size_t BucketOf(const Entry& entry) {
  return static_cast<std::size_t>(entry.key >> kFirstShift);
}

// What a part found in its slice: how many entries fall in each bucket (then
// where in the dealt entries its next one of that bucket goes), and the
// bytes of their lines.
struct SliceCounts {
  std::vector<std::size_t> entries = std::vector<std::size_t>(kBuckets);
  std::vector<std::uint64_t> bytes = std::vector<std::uint64_t>(kBuckets);
};

// Each part orders a chunk of whole buckets at a time, the next one left;
// this many for each part, about as many entries in each.
constexpr std::size_t kChunksPerPart = 32;

// The buckets, and the first of each chunk of them.
struct Buckets {
  std::vector<std::size_t> starts = std::vector<std::size_t>(kBuckets + 1);
  std::vector<std::uint64_t> line_starts = std::vector<std::uint64_t>(kBuckets + 1);
  std::vector<std::size_t> chunk_starts;
};

// Bucket by bucket and, within a bucket, slice by slice, so that entries of
// equal keys stay in order of position.
Buckets PlaceBuckets(std::vector<SliceCounts>& slices, std::size_t size) {
  const int parts = static_cast<int>(slices.size());
  Buckets buckets;
  std::size_t start = 0;
  std::uint64_t line_start = 0;
  for (std::size_t bucket = 0; bucket < kBuckets; ++bucket) {
    buckets.starts[bucket] = start;
    buckets.line_starts[bucket] = line_start;
    for (SliceCounts& slice : slices) {
      const std::size_t count = slice.entries[bucket];
      slice.entries[bucket] = start;
      start += count;
      line_start += slice.bytes[bucket];
    }
  }
  buckets.starts[kBuckets] = size;
  buckets.line_starts[kBuckets] = line_start;
  if (line_start > UINT32_MAX) throw std::length_error("texts over 4 GiB");
  const std::size_t chunks = kChunksPerPart * static_cast<std::size_t>(parts);
  buckets.chunk_starts.assign(chunks + 1, kBuckets);
  buckets.chunk_starts[0] = 0;
  for (std::size_t chunk = 1; chunk < chunks; ++chunk) {
    buckets.chunk_starts[chunk] = static_cast<std::size_t>(
        std::lower_bound(buckets.starts.begin(), buckets.starts.end() - 1,
                         PartStart(size, static_cast<int>(chunk), static_cast<int>(chunks))) -
        buckets.starts.begin());
  }
  return buckets;
}

// Copies `size` bytes, as one block of 16 where both sides have room for
// it: most names are shorter, and a call for each would cost more than the
// copy. The block may reach into the bytes just copied to, which it moves
// first.
inline void CopyShort(char* to, const char* to_end, const char* from, const char* from_end,
                      std::size_t size) {
  constexpr std::size_t kBlock = 16;
  if (size <= kBlock && to_end - to >= 16 && from_end - from >= 16) {
    std::memmove(to, from, kBlock);
  } else {
    std::memcpy(to, from, size);
  }
}

// Writes the lines of entries [first, end) of `sorted` into out[at ..
// out_end), with their offsets and positions. A text equal to the one
// before, as most are, is copied from that one's line, which is at hand.
void WriteLines(const StringList& texts, const Entry* sorted, std::size_t first, std::size_t end,
                const std::vector<OrderRun>& runs, TextOrder& order, char* out, std::size_t at,
                std::size_t out_end, std::vector<std::uint32_t>& offsets) {
  const char* const texts_end = texts.BytesEnd();
  char* const lines_end = out + out_end;
  auto run = runs.begin();
  // The texts read are far apart: each asked for well before it is copied.
  constexpr std::size_t kAhead = 8;
  auto run_ahead = runs.begin();
  std::size_t previous = at;
  for (std::size_t k = first; k < end; ++k) {
    if (const std::size_t ahead = k + kAhead; ahead < end) {
      while (run_ahead != runs.end() && run_ahead->end <= ahead) ++run_ahead;
      if (run_ahead == runs.end() || run_ahead->first >= ahead) {
        __builtin_prefetch(texts[sorted[ahead].position].data());
      }
    }
    const std::uint32_t position = sorted[k].position;
    order.positions[k] = position;
    while (run != runs.end() && run->end <= k) ++run;
    const std::size_t start = at;
    if (run != runs.end() && run->first < k) {
      CopyShort(out + at, lines_end, out + previous, lines_end, start - previous);
      at += start - previous;
    } else {
      const std::string_view text = texts[position];
      CopyShort(out + at, lines_end, text.data(), texts_end, text.size());
      std::memcpy(out + at + text.size(), kLineEnd.data(), kLineEnd.size());
      at += text.size() + kLineEnd.size();
    }
    previous = start;
    offsets[k + 1] = static_cast<std::uint32_t>(at);
  }
}

}  // namespace

TextOrder OrderTexts(const StringList& texts, int parts, std::span<char> room,
                     std::span<const std::uint32_t> taken_in) {
  const std::size_t size = texts.size();
  if (size >= UINT32_MAX) throw std::length_error("too many texts to order");
  if (!taken_in.empty() && taken_in.size() != size)
    throw std::invalid_argument("order of another size");
  parts = std::max(parts, 1);
  TextOrder order;
  order.lines.Adopt(ByteBuffer(), {0}, kLineEnd);
  if (size == 0) return order;

  const char* const readable_end = texts.BytesEnd();
  // Two entries for each text: where they are first made, and where they are
  // dealt to.
  std::unique_ptr<Entry[]> own_room;
  Entry* entries = nullptr;
  if (room.size() / sizeof(Entry) / 2 >= size &&
      reinterpret_cast<std::uintptr_t>(room.data()) % alignof(Entry) == 0) {
    entries = reinterpret_cast<Entry*>(room.data());
    std::uninitialized_default_construct_n(entries, 2 * size);  // nothing to do but begin them
  } else {
    own_room = FreshArray<Entry>(2 * size);
    entries = own_room.get();
  }
  Entry* const dealt = entries + size;
  std::vector<SliceCounts> slices(static_cast<std::size_t>(parts));
  RunParts(parts, [&](int part) {
    SliceCounts& slice = slices[static_cast<std::size_t>(part)];
    for (std::size_t k = PartStart(size, part, parts); k < PartStart(size, part + 1, parts); ++k) {
      const auto position = taken_in.empty() ? static_cast<std::uint32_t>(k) : taken_in[k];
      const std::string_view text = texts[position];
      entries[k] = byte_sort::EntryOf(text, 0, position, readable_end);
      ++slice.entries[BucketOf(entries[k])];
      slice.bytes[BucketOf(entries[k])] += text.size() + kLineEnd.size();
    }
  });
  const Buckets buckets = PlaceBuckets(slices, size);
  RunParts(parts, [&](int part) {
    std::size_t* const next = slices[static_cast<std::size_t>(part)].entries.data();
    for (std::size_t k = PartStart(size, part, parts); k < PartStart(size, part + 1, parts); ++k) {
      dealt[next[BucketOf(entries[k])]++] = entries[k];
    }
  });
  slices.clear();

  ByteBuffer bytes;
  FreshBytes(bytes, buckets.line_starts[kBuckets]);
  std::vector<std::uint32_t> offsets = FreshVector<std::uint32_t>(size + 1);
  order.positions = FreshVector<std::uint32_t>(size);
  const std::size_t chunks = buckets.chunk_starts.size() - 1;
  std::vector<std::vector<OrderRun>> runs(chunks);
  std::vector<byte_sort::ByteSorter> sorters(static_cast<std::size_t>(parts));
  RunChunks(parts, chunks, [&](int part, std::size_t chunk) {
    Entry* const sorted = dealt;
    std::vector<OrderRun>& chunk_runs = runs[chunk];
    const auto text_of = [&](std::uint32_t position) { return texts[position]; };
    const auto equal_run = [&](const Entry* first, const Entry* end) {
      chunk_runs.push_back(
          {static_cast<std::uint32_t>(first - sorted), static_cast<std::uint32_t>(end - sorted)});
    };
    const std::size_t first_bucket = buckets.chunk_starts[chunk];
    const std::size_t end_bucket = buckets.chunk_starts[chunk + 1];
    for (std::size_t bucket = first_bucket; bucket < end_bucket; ++bucket) {
      const std::size_t first = buckets.starts[bucket];
      const std::size_t end = buckets.starts[bucket + 1];
      if (end - first < 2) continue;
      sorters[static_cast<std::size_t>(part)].Order(sorted + first, sorted + end, entries + first,
                                                    0, readable_end, text_of, equal_run);
    }
    std::sort(chunk_runs.begin(), chunk_runs.end(),
              [](const OrderRun& a, const OrderRun& b) { return a.first < b.first; });
    WriteLines(texts, sorted, buckets.starts[first_bucket], buckets.starts[end_bucket], chunk_runs,
               order, bytes.data(), buckets.line_starts[first_bucket],
               buckets.line_starts[end_bucket], offsets);
  });
  for (const std::vector<OrderRun>& chunk_runs : runs) {
    order.equal_runs.insert(order.equal_runs.end(), chunk_runs.begin(), chunk_runs.end());
  }
  order.lines.Adopt(std::move(bytes), std::move(offsets), kLineEnd);
  return order;
}

}  // namespace vyr
