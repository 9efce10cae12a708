// The history of the main window's combo box: typed texts, newest first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ui/confirmation_box.h"

namespace vyr {

class History {
 public:
  // Puts the trimmed `text` first, dropping every equal older entry; a blank
  // text changes nothing. When the list then holds more than `limit` entries
  // only the one at position `limit` goes: after the limit is lowered the
  // list stops growing but keeps its length. A limit of 0 or less keeps no
  // new entry.
  void Add(std::string_view text, int limit);

  // Takes a list as loaded, newest first, as it is.
  void Assign(std::vector<std::string> entries) { entries_ = std::move(entries); }
  void Clear() { entries_.clear(); }

  const std::vector<std::string>& Entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

 private:
  std::vector<std::string> entries_;
};

// Asks before emptying the history; leaves it alone unless the user says OK.
void ClearHistory(History& history, ConfirmationBox& box);

}  // namespace vyr
