// The parameter line of a command, with its macros expanded.
#pragma once

#include <string>
#include <string_view>

namespace vyr {

// Replaces in `parameters`, one macro after the other and in this order:
// %w a double quote, %s the directory, %d the input, %e its URL form, %u the
// URL form of its UTF-8, %x of its EUC form, %j of its JIS form. Each pass
// works on the result of the one before and does not rescan what it has just
// inserted, so a directory holding "%d" receives the input there.
std::string ExpandParameters(std::string_view parameters, std::string_view directory,
                             std::string_view input);

}  // namespace vyr
