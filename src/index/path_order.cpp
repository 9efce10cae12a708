#include "index/path_order.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <string_view>

#include "index/byte_sort.h"
#include "index/fresh_memory.h"
#include "index/run_parts.h"

namespace vyr {
namespace {

using byte_sort::Entry;

// Every directory's children, in one array: those of directory d are
// ids[starts[d]] .. ids[starts[d + 1]], the root's last, as directory
// tree.size().
struct Children {
  std::vector<std::uint32_t> starts;
  std::vector<std::uint32_t> ids;

  bool Any(std::size_t directory) const { return starts[directory + 1] != starts[directory]; }
};

std::size_t HolderOf(const WalkedTree& tree, std::size_t k) {
  const std::uint32_t parent = tree.parent(k);
  return parent == WalkedTree::kRoot ? tree.size() : parent;
}

// The children of each directory, in the order they were walked.
Children ChildrenOf(const WalkedTree& tree) {
  const std::size_t size = tree.size();
  Children children;
  // Counted two places on, summed, then counted up again while the children
  // are dealt out: each count ends where the next directory's children begin.
  children.starts = FreshVector<std::uint32_t>(size + 3);
  for (std::size_t k = 0; k < size; ++k) ++children.starts[HolderOf(tree, k) + 2];
  for (std::size_t k = 1; k < children.starts.size(); ++k) {
    children.starts[k] += children.starts[k - 1];
  }
  children.ids = FreshVector<std::uint32_t>(size);
  for (std::size_t k = 0; k < size; ++k) {
    children.ids[children.starts[HolderOf(tree, k) + 1]++] = static_cast<std::uint32_t>(k);
  }
  children.starts.pop_back();
  return children;
}

// Puts each directory's children in order of name, on `parts` threads.
// False where two children of one directory have the same name.
bool OrderByName(const WalkedTree& tree, Children& children, int parts, std::span<char> room) {
  const std::size_t size = tree.size();
  const char* const readable_end = tree.names().Bytes().data() + tree.names().Bytes().size();
  // Two entries for each directory: the children's, and room for their order.
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
  Entry* const scratch = entries + size;
  const auto name_of = [&](std::uint32_t k) { return tree.name(k); };

  constexpr std::size_t kChunksPerPart = 16;
  const std::size_t chunks = kChunksPerPart * static_cast<std::size_t>(parts);
  const std::size_t holders = size + 1;
  std::atomic<bool> same_names{false};
  constexpr std::uint32_t kAhead = 8;
  std::vector<byte_sort::ByteSorter> sorters(static_cast<std::size_t>(parts));
  RunChunks(parts, chunks, [&](int part, std::size_t chunk) {
    bool same = false;
    const auto equal_run = [&](const Entry*, const Entry*) { same = true; };
    for (std::size_t holder = PartStart(holders, static_cast<int>(chunk), static_cast<int>(chunks));
         holder < PartStart(holders, static_cast<int>(chunk + 1), static_cast<int>(chunks));
         ++holder) {
      const std::uint32_t first = children.starts[holder];
      const std::uint32_t end = children.starts[holder + 1];
      if (end - first < 2) continue;
      for (std::uint32_t k = first; k < end; ++k) {
        // The children of one directory may be far apart in the walk.
        if (k + kAhead < end) __builtin_prefetch(tree.name(children.ids[k + kAhead]).data());
        const std::uint32_t child = children.ids[k];
        entries[k] = byte_sort::EntryOf(tree.name(child), 0, child, readable_end);
      }
      sorters[static_cast<std::size_t>(part)].Order(entries + first, entries + end, scratch + first,
                                                    0, readable_end, name_of, equal_run);
      for (std::uint32_t k = first; k < end; ++k) children.ids[k] = entries[k].position;
    }
    if (same) same_names = true;
  });
  return !same_names;
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

// The tree walked with each directory's children in order of name. A child's
// own path comes where its name does; the paths below it, which go on with
// "\", wait until the next sibling's name is greater, and those that wait
// are always names that begin one another, the longest first out.
std::optional<std::vector<std::uint32_t>> WalkInOrder(const WalkedTree& tree,
                                                      const Children& children) {
  struct Directory {
    std::uint32_t next;  // the next child whose own path is due
    std::uint32_t end;
    std::size_t waiting_before;  // what waited before this directory was entered
  };
  std::vector<std::uint32_t> order = FreshVector<std::uint32_t>(tree.size());
  std::size_t at = 0;
  std::vector<Directory> entered;
  std::vector<std::uint32_t> waiting;  // children whose paths below are not yet due
  entered.push_back({children.starts[tree.size()], children.starts[tree.size() + 1], 0});
  while (!entered.empty()) {
    Directory& directory = entered.back();
    if (waiting.size() > directory.waiting_before) {
      const std::uint32_t child = waiting.back();
      Below below = Below::kBefore;
      if (directory.next != directory.end) {
        below = BelowBefore(tree.name(child), tree.name(children.ids[directory.next]));
      }
      if (below == Below::kTangled) return std::nullopt;
      if (below == Below::kBefore) {
        waiting.pop_back();
        entered.push_back({children.starts[child], children.starts[child + 1], waiting.size()});
        continue;
      }
    }
    if (directory.next == directory.end) {
      entered.pop_back();
      continue;
    }
    const std::uint32_t child = children.ids[directory.next++];
    order[at++] = child;
    if (children.Any(child)) waiting.push_back(child);
  }
  return order;
}

}  // namespace

std::optional<std::vector<std::uint32_t>> FindPathOrder(const WalkedTree& tree, int parts,
                                                        std::span<char> room) {
  Children children = ChildrenOf(tree);
  if (!OrderByName(tree, children, std::max(parts, 1), room)) return std::nullopt;
  return WalkInOrder(tree, children);
}

}  // namespace vyr
