#include "index/sort_lists.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

#include "index/byte_sort.h"
#include "index/fresh_memory.h"
#include "index/path_order.h"
#include "index/run_parts.h"
#include "index/text_order.h"

namespace vyr {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
using Order = std::vector<std::uint32_t>;
using byte_sort::Entry;

// The offsets of lines in `order`, each `line_length(place, position)`
// bytes and a line end: each part sums its share, then adds what the parts
// before it hold.
template <typename LineLength>
std::vector<std::uint32_t> LineOffsets(const Order& order, int parts,
                                       const LineLength& line_length) {
  const std::size_t size = order.size();
  std::vector<std::uint32_t> offsets = FreshVector<std::uint32_t>(size + 1);
  std::vector<std::uint64_t> totals(static_cast<std::size_t>(parts));
  RunParts(parts, [&](int part) {
    std::uint64_t at = 0;
    for (std::size_t k = PartStart(size, part, parts); k < PartStart(size, part + 1, parts); ++k) {
      at += std::uint64_t{line_length(k, order[k])} + kLineEnd.size();
      offsets[k + 1] = static_cast<std::uint32_t>(at);  // checked below
    }
    totals[static_cast<std::size_t>(part)] = at;
  });
  std::vector<std::uint32_t> bases(static_cast<std::size_t>(parts));
  std::uint64_t total = 0;
  for (int part = 0; part < parts; ++part) {
    bases[static_cast<std::size_t>(part)] = static_cast<std::uint32_t>(total);
    total += totals[static_cast<std::size_t>(part)];
    if (total > UINT32_MAX) throw std::length_error("list over 4 GiB");
  }
  RunParts(parts, [&](int part) {
    const std::uint32_t base = bases[static_cast<std::size_t>(part)];
    if (base == 0) return;
    for (std::size_t k = PartStart(size, part, parts); k < PartStart(size, part + 1, parts); ++k) {
      offsets[k + 1] += base;
    }
  });
  return offsets;
}

// A list's lines being made: every entry followed by CR LF, entry k at
// offsets[k] .. offsets[k + 1].
struct Lines {
  ByteBuffer bytes;
  std::vector<std::uint32_t> offsets;

  StringList Adopted() && {
    StringList list;
    list.Adopt(std::move(bytes), std::move(offsets), kLineEnd);
    return list;
  }
};

// The entries of `list` in `order`.
Lines LinesInOrder(const StringList& list, const Order& order, int parts) {
  Lines lines;
  lines.offsets = LineOffsets(
      order, parts, [&](std::size_t, std::uint32_t position) { return list[position].size(); });
  FreshBytes(lines.bytes, lines.offsets.back());
  RunParts(parts, [&](int part) {
    char* const out = lines.bytes.data();
    const std::size_t end = PartStart(order.size(), part + 1, parts);
    // The entries are far apart: asked for well before they are copied.
    constexpr std::size_t kAhead = 16;
    for (std::size_t k = PartStart(order.size(), part, parts); k < end; ++k) {
      if (k + kAhead < end) __builtin_prefetch(list[order[k + kAhead]].data());
      const std::string_view entry = list[order[k]];
      std::memcpy(out + lines.offsets[k], entry.data(), entry.size());
      std::memcpy(out + lines.offsets[k] + entry.size(), kLineEnd.data(), kLineEnd.size());
    }
  });
  return lines;
}

// Where each chunk of `chunks`, or of one for each run where there are
// fewer, begins among the runs: about as many entries in each chunk.
std::vector<std::size_t> RunChunkStarts(const std::vector<OrderRun>& runs, std::size_t chunks) {
  chunks = std::min(chunks, runs.size());
  std::size_t total = 0;
  for (const OrderRun& run : runs) total += run.end - run.first;
  std::vector<std::size_t> starts(chunks + 1, runs.size());
  starts[0] = 0;
  std::size_t run = 0;
  std::size_t done = 0;
  for (std::size_t chunk = 1; chunk < chunks; ++chunk) {
    const std::size_t share = PartStart(total, static_cast<int>(chunk), static_cast<int>(chunks));
    for (; run < runs.size() && done < share; ++run) done += runs[run].end - runs[run].first;
    starts[chunk] = run;
  }
  return starts;
}

// The tree's directories are cut into chunks that the parts take in turn:
// this many for each part.
constexpr std::size_t kTreeChunksPerPart = 8;

std::size_t TreeChunks(int parts) {
  return kTreeChunksPerPart * static_cast<std::size_t>(parts);
}

// The length of the path of directory k, added up from the names above it.
std::uint64_t PathLengthUpward(const WalkedTree& tree, std::uint32_t k) {
  std::uint64_t length = tree.root().size();
  for (std::uint32_t at = k; at != WalkedTree::kRoot; at = tree.parent(at)) {
    length += tree.name(at).size() + (tree.parent(at) == WalkedTree::kRoot ? 0 : 1);
  }
  return length;
}

// Each path's length, in the tree's order. A parent comes before its
// children, so its length is at hand, unless another chunk holds it: then it
// is added up from the names.
std::vector<std::uint32_t> PathLengths(const WalkedTree& tree, int parts) {
  const std::size_t size = tree.size();
  std::vector<std::uint32_t> lengths = FreshVector<std::uint32_t>(size);
  const std::size_t chunks = TreeChunks(parts);
  RunChunks(parts, chunks, [&](int, std::size_t chunk) {
    const std::size_t first = PartStart(size, static_cast<int>(chunk), static_cast<int>(chunks));
    const std::size_t end = PartStart(size, static_cast<int>(chunk + 1), static_cast<int>(chunks));
    for (std::size_t k = first; k < end; ++k) {
      const std::uint32_t parent = tree.parent(k);
      const std::uint64_t above = parent == WalkedTree::kRoot ? tree.root().size()
                                  : parent >= first           ? std::uint64_t{lengths[parent]} + 1
                                                              : PathLengthUpward(tree, parent) + 1;
      const std::uint64_t length = above + tree.name(k).size();
      if (length > UINT32_MAX) throw std::length_error("path over 4 GiB");
      lengths[k] = static_cast<std::uint32_t>(length);
    }
  });
  return lengths;
}

// Writes the path of directory k from the root down, ending at `end`, by
// walking up the tree: for a directory whose parent another chunk writes.
void WritePathUpward(const WalkedTree& tree, std::size_t k, char* end) {
  for (auto at = static_cast<std::uint32_t>(k); at != WalkedTree::kRoot; at = tree.parent(at)) {
    const std::string_view name = tree.name(at);
    end -= name.size();
    std::memcpy(end, name.data(), name.size());
    if (tree.parent(at) != WalkedTree::kRoot) *--end = '\\';
  }
  const std::string& root = tree.root();
  std::memcpy(end - root.size(), root.data(), root.size());
}

// Writes the paths of directories [first, end) where they start in the
// list, each `lengths` long and ended by CR LF. A directory's path is its
// parent's, already in place since a parent comes first in the tree, then
// "\" and its name; where another chunk holds the parent, the path is put
// together from the names.
void WritePaths(const WalkedTree& tree, const std::vector<std::uint32_t>& starts,
                const std::vector<std::uint32_t>& lengths, char* data, std::size_t first,
                std::size_t end) {
  const std::string& root = tree.root();
  // The places are far apart: asked for well before they are written.
  constexpr std::size_t kAhead = 16;
  for (std::size_t k = first; k < end; ++k) {
    if (k + 2 * kAhead < end) {
      const std::uint32_t further_parent = tree.parent(k + 2 * kAhead);
      if (further_parent != WalkedTree::kRoot) {
        __builtin_prefetch(&starts[further_parent]);
        __builtin_prefetch(&lengths[further_parent]);
      }
    }
    if (k + kAhead < end) {
      const std::size_t ahead = k + kAhead;
      __builtin_prefetch(data + starts[ahead], 1);
      const std::uint32_t ahead_parent = tree.parent(ahead);
      if (ahead_parent != WalkedTree::kRoot) __builtin_prefetch(data + starts[ahead_parent]);
    }
    char* out = data + starts[k];
    const std::uint32_t parent = tree.parent(k);
    const std::string_view name = tree.name(k);
    if (parent == WalkedTree::kRoot) {
      std::memcpy(out, root.data(), root.size());
      out += root.size();
    } else if (parent >= first) {
      std::memcpy(out, data + starts[parent], lengths[parent]);
      out += lengths[parent];
      *out++ = '\\';
    } else {
      out += lengths[k] - name.size();
      WritePathUpward(tree, parent, out - 1);
      out[-1] = '\\';
    }
    std::memcpy(out, name.data(), name.size());
    std::memcpy(out + name.size(), kLineEnd.data(), kLineEnd.size());
  }
}

// Puts a run of equal names in order of path: its paths are ordered where
// they stand, then moved into that order within the run's own bytes, which
// are copied out first.
class RunOrder {
 public:
  explicit RunOrder(Lines& paths) : paths_(paths) {}

  // Every path of the run begins with its first `depth` bytes. The bytes
  // after the run are another run's, which another part may be moving: the
  // keys are read no further than the run's own.
  void Order(const OrderRun& run, std::size_t depth) {
    const char* const data = paths_.bytes.data();
    const std::vector<std::uint32_t>& offsets = paths_.offsets;
    const auto path_at = [&](std::uint32_t k) {
      return std::string_view(data + offsets[k], offsets[k + 1] - offsets[k] - kLineEnd.size());
    };
    const char* const run_end = data + offsets[run.end];
    const std::size_t size = run.end - run.first;
    entries_.resize(size);
    scratch_.resize(size);
    for (std::uint32_t k = run.first; k < run.end; ++k) {
      entries_[k - run.first] = byte_sort::EntryOf(path_at(k), depth, k, run_end);
    }
    sorter_.Order(entries_.data(), entries_.data() + size, scratch_.data(), depth, run_end, path_at,
                  [](const Entry*, const Entry*) {});
    Move(run);
  }

 private:
  // The run's last offset, shared with the next run, stays as it is.
  void Move(const OrderRun& run) {
    // A walk that lists a directory in order of name often found them so.
    bool moved = false;
    for (std::size_t k = 0; k < entries_.size() && !moved; ++k) {
      moved = entries_[k].position != run.first + k;
    }
    if (!moved) return;
    char* const data = paths_.bytes.data();
    std::vector<std::uint32_t>& offsets = paths_.offsets;
    const std::uint32_t first = offsets[run.first];
    old_offsets_.assign(offsets.begin() + run.first, offsets.begin() + run.end + 1);
    bytes_.assign(data + first, data + offsets[run.end]);
    std::uint32_t at = first;
    for (std::size_t k = 0; k < entries_.size(); ++k) {
      const std::size_t was = entries_[k].position - run.first;
      const std::uint32_t length = old_offsets_[was + 1] - old_offsets_[was];
      std::memcpy(data + at, bytes_.data() + (old_offsets_[was] - first), length);
      at += length;
      if (k + 1 < entries_.size()) offsets[run.first + k + 1] = at;
    }
  }

  Lines& paths_;
  byte_sort::ByteSorter sorter_;
  std::vector<Entry> entries_;
  std::vector<Entry> scratch_;
  std::vector<std::uint32_t> old_offsets_;
  std::vector<char> bytes_;
};

// Equal names go by path, so that the pair does not depend on the order in
// which the platform listed the directories: the runs of equal names, whose
// paths stand in order of position, are put in order of path, each part
// taking the next chunk of runs left. Every path begins with its first
// `depth` bytes.
void OrderRunsByPath(Lines& paths, const std::vector<OrderRun>& runs, std::size_t depth,
                     int parts) {
  constexpr std::size_t kChunksPerPart = 32;
  const std::vector<std::size_t> starts =
      RunChunkStarts(runs, kChunksPerPart * static_cast<std::size_t>(parts));
  std::vector<RunOrder> run_orders(static_cast<std::size_t>(parts), RunOrder(paths));
  RunChunks(parts, starts.size() - 1, [&](int part, std::size_t chunk) {
    for (std::size_t k = starts[chunk]; k < starts[chunk + 1]; ++k) {
      run_orders[static_cast<std::size_t>(part)].Order(runs[k], depth);
    }
  });
}

// Every path of the tree in `order`, into `bytes`, made for them, the runs
// of equal names in order of path. `lengths` holds each path's length.
StringList PathsInOrder(const WalkedTree& tree, const std::vector<std::uint32_t>& lengths,
                        ByteBuffer bytes, Order order, const std::vector<OrderRun>& runs,
                        int parts) {
  Lines paths;
  paths.offsets = LineOffsets(
      order, parts, [&](std::size_t, std::uint32_t position) { return lengths[position]; });
  // Where each directory's path starts, by its number.
  std::vector<std::uint32_t> starts = FreshVector<std::uint32_t>(tree.size());
  RunParts(parts, [&](int part) {
    for (std::size_t k = PartStart(order.size(), part, parts);
         k < PartStart(order.size(), part + 1, parts); ++k) {
      starts[order[k]] = paths.offsets[k];
    }
  });
  Order().swap(order);
  paths.bytes = std::move(bytes);

  const std::size_t chunks = TreeChunks(parts);
  RunChunks(parts, chunks, [&](int, std::size_t chunk) {
    WritePaths(tree, starts, lengths, paths.bytes.data(),
               PartStart(tree.size(), static_cast<int>(chunk), static_cast<int>(chunks)),
               PartStart(tree.size(), static_cast<int>(chunk + 1), static_cast<int>(chunks)));
  });
  std::vector<std::uint32_t>().swap(starts);

  OrderRunsByPath(paths, runs, tree.root().size(), parts);
  return std::move(paths).Adopted();
}

}  // namespace

void SortLists(LoadedIndex& index, int parts) {
  parts = std::max(parts, 1);
  TextOrder sorted = OrderTexts(index.names, parts);
  index.names.swap(sorted.lines);
  StringList().swap(sorted.lines);
  Lines paths = LinesInOrder(index.paths, sorted.positions, parts);
  StringList().swap(index.paths);
  OrderRunsByPath(paths, sorted.equal_runs, 0, parts);
  index.paths = std::move(paths).Adopted();
}

void SortWalkedTree(WalkedTree tree, LoadedIndex& index, int parts) {
  parts = std::max(parts, 1);
  index.Clear();
  // The paths' lengths tell their room before the order is known; the order
  // is found in that room first, so that its pages are made once.
  std::vector<std::uint32_t> lengths = PathLengths(tree, parts);
  std::uint64_t path_bytes = 0;
  for (const std::uint32_t length : lengths) path_bytes += length + kLineEnd.size();
  if (path_bytes > UINT32_MAX) throw std::length_error("path list over 4 GiB");
  ByteBuffer bytes;
  FreshBytes(bytes, path_bytes);
  const std::span<char> room(bytes.data(), bytes.size());
  // Names taken in the order of their paths stay in it where they are equal;
  // where the tree cannot tell that order, the runs of equal names are put in
  // order of path once the paths are written.
  std::optional<Order> by_path = FindPathOrder(tree, parts);
  TextOrder sorted = OrderTexts(
      tree.upper_names(), parts, room,
      by_path ? std::span<const std::uint32_t>(*by_path) : std::span<const std::uint32_t>());
  const bool runs_in_order = by_path.has_value();
  by_path.reset();
  index.names.swap(sorted.lines);
  tree.ReleaseUpperNames();
  index.paths =
      PathsInOrder(tree, lengths, std::move(bytes), std::move(sorted.positions),
                   runs_in_order ? std::vector<OrderRun>() : std::move(sorted.equal_runs), parts);
}

}  // namespace vyr
