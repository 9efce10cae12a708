// Several candidates of a lookup narrowed to one by the user, for a shell
// that changes to the one directory it is given.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/vyr-cli/cli.h"

namespace vyr::cli {

// 番号: (after the numbered candidates)
inline constexpr char kChoicePrompt[] = "\x94\xD4\x8D\x86: ";

// The index of the candidate whose number (1 and up, in ASCII or full-width
// digits, blanks around it allowed) `answer` holds; nothing for any other
// answer.
std::optional<std::size_t> ChosenIndex(std::string_view answer, std::size_t count);

// Prints the only candidate, or the one the user picks by its number from
// the list shown with `ask`. kExitNoChoice when none was picked.
int PrintPicked(const std::vector<std::string>& candidates, const Console& console);

}  // namespace vyr::cli
