// Completing the combo box's text from its list as the user types.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vyr {

// An entry of the box's list: its position and its text.
struct ListEntry {
  std::size_t position = 0;
  std::string text;
};

// The list's own search: the first entry, from the top, that begins with the
// given text without regard to case, compared the way the platform compares
// (its combo box's CB_FINDSTRING); nothing when no entry does.
using FindInList = std::function<std::optional<ListEntry>(std::string_view prefix)>;

// The box's text, edit selection and the entry to select after the key.
struct Completed {
  std::string text;
  std::size_t selection_start = 0;
  std::size_t selection_length = 0;
  std::size_t entry = 0;

  bool operator==(const Completed&) const = default;
};

// What a typed character does to a box holding `text` with the given
// selection (byte positions). `typed` is one character: one byte, or a lead
// byte with its second byte. Nothing means the key is typed as usual;
// otherwise the key is consumed and the box shows the text so far, in the
// case typed, followed by the rest of the entry found, that rest selected.
std::optional<Completed> Complete(std::string_view text, std::size_t selection_start,
                                  std::size_t selection_length, std::string_view typed,
                                  const FindInList& find);

}  // namespace vyr
