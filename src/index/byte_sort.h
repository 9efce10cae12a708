// Ordering texts by their unsigned bytes, a proper beginning first, equal
// texts keeping their order. Eight bytes of each text ride along with it as one
// number, so that nearly all of the work is a radix sort of numbers and a text
// is read once for every eight bytes its place depends on, not once for every
// comparison.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace vyr::byte_sort {

struct Entry {
  std::uint64_t key;       // the text's bytes depth .. depth + 8, big-endian, 0 past its end
  std::uint32_t rest;      // the text's bytes from depth on, 9 standing for more than 8
  std::uint32_t position;  // the text's number
};

// Equal keys with equal rests up to 8 are equal texts; with more than 8 it
// takes the bytes after the key to tell. A text that ends inside the key is
// padded with 0, and its shorter rest puts it before a longer text that holds
// 0 bytes there, so that a text containing NUL still sorts by its bytes.
inline bool KeyLess(const Entry& a, const Entry& b) {
  return a.key != b.key ? a.key < b.key : a.rest < b.rest;
}

// The entry of `text` at `depth`. The text's bytes may be followed by
// others, readable up to `readable_end`: then eight bytes are read at once.
inline Entry EntryOf(std::string_view text, std::size_t depth, std::uint32_t position,
                     const char* readable_end) {
  const std::size_t rest = text.size() > depth ? text.size() - depth : 0;
  std::uint64_t key = 0;
  if (rest != 0) {
    const char* const from = text.data() + depth;
    if (rest >= 8 || readable_end - from >= 8) {
      std::memcpy(&key, from, 8);
      if constexpr (std::endian::native == std::endian::little) key = __builtin_bswap64(key);
      if (rest < 8) key &= ~std::uint64_t{0} << (8 * (8 - rest));
    } else {
      for (std::size_t k = 0; k < rest; ++k) {
        key |= std::uint64_t{static_cast<unsigned char>(from[k])} << (56 - 8 * k);
      }
    }
  }
  return {key, static_cast<std::uint32_t>(std::min<std::size_t>(rest, 9)), position};
}

// Orders a few entries by key and rest, keeping the order of those alike.
inline void InsertionOrder(Entry* first, Entry* last) {
  for (Entry* next = first + 1; next < last; ++next) {
    const Entry moving = *next;
    Entry* at = next;
    for (; at != first && KeyLess(moving, at[-1]); --at) {
      *at = at[-1];
    }
    *at = moving;
  }
}

// Orders [first, last) by key and rest, entries alike staying in the order
// they stand in. `scratch` is as long.
inline void OrderByKey(Entry* first, Entry* last, Entry* scratch) {
  // Below this many entries the passes of a radix sort cost more than
  // moving them one by one.
  constexpr std::ptrdiff_t kRadixLeast = 25;
  const std::ptrdiff_t count = last - first;
  if (count < kRadixLeast) {
    InsertionOrder(first, last);
    return;
  }
  std::uint64_t differ = 0;
  for (const Entry* entry = first; entry != last; ++entry) differ |= entry->key ^ first->key;
  if (differ == 0) {
    // All of one key: then only a shorter rest can stand after a longer one,
    // which is seldom.
    if (std::is_sorted(first, last, KeyLess)) return;
    std::size_t starts[10] = {};
    for (const Entry* entry = first; entry != last; ++entry) ++starts[entry->rest];
    for (std::size_t rest = 0, start = 0; rest < 10; ++rest)
      start += std::exchange(starts[rest], start);
    for (const Entry* entry = first; entry != last; ++entry)
      scratch[starts[entry->rest]++] = *entry;
    std::copy(scratch, scratch + count, first);
    return;
  }
  // The bytes above the highest that differs are the same for all.
  const int shift = (63 - std::countl_zero(differ)) & ~7;
  std::size_t counts[256] = {};
  unsigned lowest = 255;
  unsigned highest = 0;
  for (const Entry* entry = first; entry != last; ++entry) {
    const auto digit = static_cast<unsigned>(entry->key >> shift) & 0xFF;
    ++counts[digit];
    lowest = std::min(lowest, digit);
    highest = std::max(highest, digit);
  }
  // Names and paths use few of the byte values: only those are walked.
  std::size_t starts[256];
  std::size_t start = 0;
  for (unsigned digit = lowest; digit <= highest; ++digit) {
    starts[digit] = start;
    start += counts[digit];
  }
  for (const Entry* entry = first; entry != last; ++entry) {
    scratch[starts[(entry->key >> shift) & 0xFF]++] = *entry;
  }
  std::copy(scratch, scratch + count, first);
  Entry* bucket = first;
  for (unsigned digit = lowest; digit <= highest; ++digit) {
    const std::size_t size = counts[digit];
    if (size > 1) OrderByKey(bucket, bucket + size, scratch + (bucket - first));
    bucket += size;
  }
}

// How many bytes `a` and `b` share from their beginnings, up to `most`.
inline std::size_t SharedBytes(const char* a, const char* b, std::size_t most) {
  std::size_t at = 0;
  for (; at + 8 <= most; at += 8) {
    std::uint64_t word_a;
    std::uint64_t word_b;
    std::memcpy(&word_a, a + at, 8);
    std::memcpy(&word_b, b + at, 8);
    if (const std::uint64_t differ = word_a ^ word_b) {
      const int bit = std::endian::native == std::endian::little ? std::countr_zero(differ)
                                                                 : std::countl_zero(differ);
      return at + static_cast<std::size_t>(bit / 8);
    }
  }
  while (at < most && a[at] == b[at]) ++at;
  return at;
}

// Orders entries by the bytes of their texts, keeping its room from one
// order to the next.
class ByteSorter {
 public:
  // Orders [first, last), which holds the keys of depth `depth`, by the
  // bytes of the texts `text_of(position)` gives, equal texts staying in the
  // order they stand in; every text is readable up to `readable_end`. Each
  // run of two or more equal texts is told to `equal_run(first, last)`.
  // `scratch` is as long.
  template <typename TextOf, typename EqualRun>
  void Order(Entry* first, Entry* last, Entry* scratch, std::size_t depth, const char* readable_end,
             const TextOf& text_of, const EqualRun& equal_run) {
    deeper_.clear();
    OrderGroup({first, last, depth}, scratch, equal_run);
    while (!deeper_.empty()) {
      Group group = deeper_.back();
      deeper_.pop_back();
      if (group.last - group.first <= kCompareMost) {
        Compare(group, text_of, equal_run);
        continue;
      }
      // Texts that share eight more bytes often share many more, as the
      // paths of cousins do: the next key is taken where they first differ.
      bool all_equal = false;
      group.depth += SharedFrom(group, text_of, all_equal);
      if (all_equal) {  // as many equal names often are: nothing left to order
        equal_run(group.first, group.last);
        continue;
      }
      for (Entry* entry = group.first; entry != group.last; ++entry) {
        if (group.last - entry > kAhead) Prefetch(text_of(entry[kAhead].position), group.depth);
        *entry = EntryOf(text_of(entry->position), group.depth, entry->position, readable_end);
      }
      OrderGroup(group, scratch + (group.first - first), equal_run);
    }
  }

 private:
  // Groups of texts that share a key, up to this many, are ordered by
  // comparing what is left of the texts.
  static constexpr std::ptrdiff_t kCompareMost = 8;

  // The texts of a group are far apart: each is asked for this many entries
  // before it is read.
  static constexpr std::ptrdiff_t kAhead = 8;

  static void Prefetch(std::string_view text, std::size_t depth) {
    if (text.size() > depth) __builtin_prefetch(text.data() + depth);
  }

  struct Group {
    Entry* first;
    Entry* last;
    std::size_t depth;
  };

  // Orders the group by its keys; runs of equal keys whose texts go on are
  // left for later.
  template <typename EqualRun>
  void OrderGroup(const Group& group, Entry* scratch, const EqualRun& equal_run) {
    OrderByKey(group.first, group.last, scratch);
    for (Entry* run = group.first; run != group.last;) {
      Entry* end = run + 1;
      while (end != group.last && end->key == run->key && end->rest == run->rest) ++end;
      if (end - run > 1) {
        if (run->rest > 8) {
          deeper_.push_back({run, end, group.depth + 8});
        } else {
          equal_run(run, end);
        }
      }
      run = end;
    }
  }

  // How many bytes from the group's depth on all of its texts share;
  // `all_equal` tells whether that is all of every text.
  template <typename TextOf>
  static std::size_t SharedFrom(const Group& group, const TextOf& text_of, bool& all_equal) {
    const std::string_view model = text_of(group.first->position);
    if (model.size() <= group.depth) return 0;
    std::size_t shared = model.size() - group.depth;
    bool same_length = true;
    for (const Entry* entry = group.first + 1; entry != group.last && shared != 0; ++entry) {
      if (group.last - entry > kAhead) Prefetch(text_of(entry[kAhead].position), group.depth);
      const std::string_view text = text_of(entry->position);
      if (text.size() <= group.depth) return 0;
      same_length = same_length && text.size() == model.size();
      shared = SharedBytes(model.data() + group.depth, text.data() + group.depth,
                           std::min(shared, text.size() - group.depth));
    }
    all_equal = same_length && shared == model.size() - group.depth;
    return shared;
  }

  template <typename TextOf, typename EqualRun>
  static void Compare(const Group& group, const TextOf& text_of, const EqualRun& equal_run) {
    const auto rest_of = [&](const Entry& entry) {
      const std::string_view text = text_of(entry.position);
      return text.substr(std::min(group.depth, text.size()));
    };
    for (Entry* next = group.first + 1; next < group.last; ++next) {
      const Entry moving = *next;
      const std::string_view moving_rest = rest_of(moving);
      Entry* at = next;
      for (; at != group.first && moving_rest < rest_of(at[-1]); --at) *at = at[-1];
      *at = moving;
    }
    for (Entry* run = group.first; run != group.last;) {
      Entry* end = run + 1;
      while (end != group.last && rest_of(*end) == rest_of(*run)) ++end;
      if (end - run > 1) equal_run(run, end);
      run = end;
    }
  }

  std::vector<Group> deeper_;  // runs of equal keys whose texts go on
};

}  // namespace vyr::byte_sort
