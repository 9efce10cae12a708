#include "index/path_order.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>

#include "index/byte_sort.h"
#include "index/fresh_memory.h"
#include "index/run_parts.h"

namespace vyr {
namespace {

using byte_sort::Entry;

// Every directory's children, as numbers, in the order they were walked:
// those of directory d are ids[starts[d]] .. ids[starts[d + 1]], the root's
// last, as directory tree.size().
struct ChildNumbers {
  std::vector<std::uint32_t> starts;
  std::unique_ptr<std::uint32_t[]> ids;
};

std::size_t HolderOf(const WalkedTree& tree, std::size_t k) {
  const std::uint32_t parent = tree.parent(k);
  return parent == WalkedTree::kRoot ? tree.size() : parent;
}

ChildNumbers NumbersOfChildren(const WalkedTree& tree) {
  const std::size_t size = tree.size();
  ChildNumbers children;
  // Counted two places on, summed, then counted up again while the children
  // are dealt out: each count ends where the next directory's children begin.
  children.starts = FreshVector<std::uint32_t>(size + 3);
  for (std::size_t k = 0; k < size; ++k) ++children.starts[HolderOf(tree, k) + 2];
  for (std::size_t k = 1; k < children.starts.size(); ++k) {
    children.starts[k] += children.starts[k - 1];
  }
  children.ids = FreshArray<std::uint32_t>(size);
  for (std::size_t k = 0; k < size; ++k) {
    children.ids[children.starts[HolderOf(tree, k) + 1]++] = static_cast<std::uint32_t>(k);
  }
  children.starts.pop_back();
  return children;
}

// The same, each child as the entry of its name, where the walk puts them
// in order: the first eight bytes of the names are then read one after
// another, where the names themselves lie far apart.
struct Children {
  std::vector<std::uint32_t> starts;
  std::unique_ptr<Entry[]> entries;

  bool Any(std::size_t directory) const { return starts[directory + 1] != starts[directory]; }
};

// Makes the entries on `parts`, the names being read far apart.
Children WithNameEntries(const WalkedTree& tree, ChildNumbers numbers, int parts) {
  const std::size_t size = tree.size();
  Children children{std::move(numbers.starts), FreshArray<Entry>(size)};
  const std::uint32_t* const ids = numbers.ids.get();
  const char* const readable_end = tree.names().BytesEnd();
  RunParts(parts, [&](int part) {
    const std::size_t end = PartStart(size, part + 1, parts);
    constexpr std::size_t kAhead = 8;
    for (std::size_t k = PartStart(size, part, parts); k < end; ++k) {
      if (k + kAhead < end) __builtin_prefetch(tree.name(ids[k + kAhead]).data());
      children.entries[k] = byte_sort::EntryOf(tree.name(ids[k]), 0, ids[k], readable_end);
    }
  });
  return children;
}

// Whether the paths below the child named `earlier` come before the path of
// its later sibling named `later`: the former go on with "\" where the
// latter goes on with its own bytes.
enum class Below { kBefore, kAfter, kTangled };

Below BelowBefore(std::string_view earlier, std::string_view later) {
  if (later.size() <= earlier.size() || later.substr(0, earlier.size()) != earlier) {
    return Below::kBefore;  // they differ within `earlier`, which comes first
  }
  const auto next = static_cast<unsigned char>(later[earlier.size()]);
  if (next == '\\') return Below::kTangled;  // "later" reaches into "earlier"'s paths
  return next > '\\' ? Below::kBefore : Below::kAfter;
}

// The tree walked with each directory's children in order of name, put so
// as each directory is entered. A child's own path comes where its name
// does; the paths below it, which go on with "\", wait until the next
// sibling's name is greater, and those that wait are always names that
// begin one another, the longest first out.
class OrderedWalk {
 public:
  OrderedWalk(const WalkedTree& tree, Children& children)
      : tree_(tree), children_(children), readable_end_(tree.names().BytesEnd()) {}

  // Walks the paths below `top` (tree.size() for the root), telling
  // `sink.Own(directory)` each directory's own path in order. Below
  // `depth_left` levels, the paths below a directory are told at once as
  // `sink.Below(directory)` instead, for another walk. False where the names
  // keep the tree from telling the order.
  template <typename Sink>
  bool Walk(std::size_t top, int depth_left, Sink& sink) {
    entered_.clear();
    waiting_.clear();
    if (!Enter(top, depth_left)) return false;
    while (!entered_.empty()) {
      Directory& directory = entered_.back();
      if (waiting_.size() > directory.waiting_before) {
        const std::uint32_t child = waiting_.back();
        Below below = Below::kBefore;
        if (directory.next != directory.end) {
          below = BelowBefore(tree_.name(child),
                              tree_.name(children_.entries[directory.next].position));
        }
        if (below == Below::kTangled) return false;
        if (below == Below::kBefore) {
          waiting_.pop_back();
          if (directory.depth_left == 0) {
            sink.Below(child);
          } else if (!Enter(child, directory.depth_left - 1)) {
            return false;
          }
          continue;
        }
      }
      if (directory.next == directory.end) {
        entered_.pop_back();
        continue;
      }
      const std::uint32_t child = children_.entries[directory.next++].position;
      sink.Own(child);
      if (children_.Any(child)) waiting_.push_back(child);
    }
    return true;
  }

 private:
  struct Directory {
    std::uint32_t next;  // the next child whose own path is due
    std::uint32_t end;
    std::size_t waiting_before;  // what waited before this directory was entered
    int depth_left;
  };

  bool Enter(std::size_t directory, int depth_left) {
    const std::uint32_t first = children_.starts[directory];
    const std::uint32_t end = children_.starts[directory + 1];
    if (!OrderByName(first, end)) return false;
    entered_.push_back({first, end, waiting_.size(), depth_left});
    return true;
  }

  // Puts children first .. end - 1 in order of name; false where two have
  // the same name.
  bool OrderByName(std::uint32_t first, std::uint32_t end) {
    const std::size_t size = end - first;
    if (size < 2) return true;
    Entry* const entries = children_.entries.get() + first;
    if (OrderedByKeysAlone(entries, size)) return true;
    scratch_.resize(size);
    bool same = false;
    sorter_.Order(
        entries, entries + size, scratch_.data(), 0, readable_end_,
        [&](std::uint32_t k) { return tree_.name(k); },
        [&](const Entry*, const Entry*) { same = true; });
    return !same;
  }

  // Most directories hold a few children whose first eight bytes differ:
  // then their keys alone put them in order.
  static bool OrderedByKeysAlone(Entry* entries, std::size_t size) {
    constexpr std::size_t kFew = 24;
    if (size > kFew) return false;
    byte_sort::InsertionOrder(entries, entries + size);
    for (std::size_t k = 1; k < size; ++k) {
      if (entries[k].key == entries[k - 1].key) return false;
    }
    return true;
  }

  const WalkedTree& tree_;
  Children& children_;
  const char* readable_end_;
  byte_sort::ByteSorter sorter_;
  std::vector<Entry> scratch_;
  std::vector<Directory> entered_;
  std::vector<std::uint32_t> waiting_;  // children whose paths below are not yet due
};

// The order is walked in pieces: the first levels on one thread, which
// leaves the paths below each directory this many levels down to be walked
// as a piece of its own, the pieces taken by the parts in turn.
constexpr int kFirstLevels = 2;

// A directory's own path, or all those below it.
struct Piece {
  std::uint32_t directory;
  bool below;
};

struct PieceSink {
  std::vector<Piece>& pieces;
  void Own(std::uint32_t directory) { pieces.push_back({directory, false}); }
  void Below(std::uint32_t directory) { pieces.push_back({directory, true}); }
};

// Writes each directory's own path in order from `at` on.
struct OrderSink {
  std::uint32_t* at;
  void Own(std::uint32_t directory) { *at++ = directory; }
  void Below(std::uint32_t) {}  // not told: there is no level left
};

// How many directories each directory has below it, added up from the
// last: a parent comes before its children.
std::vector<std::uint32_t> CountsBelow(const WalkedTree& tree) {
  std::vector<std::uint32_t> counts = FreshVector<std::uint32_t>(tree.size());
  for (std::size_t k = tree.size(); k-- > 0;) {
    const std::uint32_t parent = tree.parent(k);
    if (parent != WalkedTree::kRoot) counts[parent] += counts[k] + 1;
  }
  return counts;
}

std::optional<std::vector<std::uint32_t>> WalkInPieces(const WalkedTree& tree, Children& children,
                                                       const std::vector<std::uint32_t>& counts,
                                                       int parts) {
  std::vector<Piece> pieces;
  PieceSink first_levels{pieces};
  if (!OrderedWalk(tree, children).Walk(tree.size(), kFirstLevels, first_levels)) {
    return std::nullopt;
  }
  // Each piece of paths below a directory is walked straight into its place,
  // the room the directories below it take.
  std::vector<std::uint32_t> order = FreshVector<std::uint32_t>(tree.size());
  struct Below {
    std::uint32_t directory;
    std::size_t at;
  };
  std::vector<Below> below;
  std::size_t at = 0;
  for (const Piece& piece : pieces) {
    if (piece.below) {
      below.push_back({piece.directory, at});
      at += counts[piece.directory];
    } else {
      order[at++] = piece.directory;
    }
  }
  std::vector<OrderedWalk> walks(static_cast<std::size_t>(parts), OrderedWalk(tree, children));
  std::atomic<bool> tangled{false};
  RunChunks(parts, below.size(), [&](int part, std::size_t piece) {
    OrderSink sink{order.data() + below[piece].at};
    if (!walks[static_cast<std::size_t>(part)].Walk(below[piece].directory, INT_MAX, sink)) {
      tangled = true;
    }
  });
  if (tangled) return std::nullopt;
  return order;
}

}  // namespace

std::optional<std::vector<std::uint32_t>> FindPathOrder(const WalkedTree& tree, int parts) {
  parts = std::max(parts, 1);
  ChildNumbers numbers;
  std::vector<std::uint32_t> counts;
  RunBoth(
      parts, [&] { numbers = NumbersOfChildren(tree); }, [&] { counts = CountsBelow(tree); });
  Children children = WithNameEntries(tree, std::move(numbers), parts);
  return WalkInPieces(tree, children, counts, parts);
}

}  // namespace vyr
