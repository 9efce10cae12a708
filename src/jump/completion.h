// Completing the combo box's text from its list as the user types.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// The box's text, edit selection and the entry to select after the key.
struct Completed {
  std::string text;
  std::size_t selection_start = 0;
  std::size_t selection_length = 0;
  std::size_t entry = 0;

  bool operator==(const Completed&) const = default;
};

// What a typed character does to a box holding `text` with the given
// selection (byte positions) and list `entries`, newest first. `typed` is one
// character: one byte, or a lead byte with its second byte. Nothing means the
// key is typed as usual; otherwise the key is consumed and the box shows the
// first entry beginning with the text so far, its unmatched rest selected.
std::optional<Completed> Complete(std::string_view text, std::size_t selection_start,
                                  std::size_t selection_length, std::string_view typed,
                                  const std::vector<std::string>& entries);

}  // namespace vyr
