#include "jump/history.h"

#include <algorithm>

#include "base/sjis.h"
#include "jump/jump_texts.h"

namespace vyr {

void History::Add(std::string_view text, int limit) {
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) return;
  std::erase_if(entries_, [trimmed](const std::string& entry) { return entry == trimmed; });
  entries_.insert(entries_.begin(), std::string(trimmed));
  // A negative limit would name no position; 0 is the nearest that does, and
  // it removes the entry just added, so the list can only get shorter.
  const std::size_t position = static_cast<std::size_t>(std::max(limit, 0));
  if (entries_.size() > position) entries_.erase(entries_.begin() + position);
}

void ClearHistory(History& history, ConfirmationBox& box) {
  if (box.Confirm(texts::kClearHistoryQuestion)) history.Clear();
}

}  // namespace vyr
