// The order of a list of texts by their unsigned bytes, found on several
// threads at once.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/string_list.h"

namespace vyr {

// Entries first .. end - 1 of an order.
struct OrderRun {
  std::uint32_t first;
  std::uint32_t end;
};

struct TextOrder {
  std::vector<std::uint32_t> positions;  // the texts' positions, the first text's first
  std::vector<OrderRun> equal_runs;      // each run of two or more equal texts, in order
  StringList lines;                      // the texts in order, each ended by CR LF
};

// Orders the texts by unsigned bytes, a proper beginning first, on `parts`
// threads. Equal texts keep the order they are taken in: that of `taken_in`,
// which holds every position once, or else of their positions. `room` is
// memory that the caller writes over afterwards: where it is large enough,
// the order's own work is done there, so that those pages are made once.
TextOrder OrderTexts(const StringList& texts, int parts, std::span<char> room = {},
                     std::span<const std::uint32_t> taken_in = {});

}  // namespace vyr
