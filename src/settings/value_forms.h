// How integers and booleans are written in the settings file and read back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vyr {

// "0x1F" or "0X1F" (more than two characters) is hexadecimal; otherwise a
// decimal number with an optional sign, or "$" and hexadecimal digits.
// Nothing for anything else, or a number outside 32 bits.
std::optional<std::int32_t> ParseSettingsInteger(std::string_view text);

}  // namespace vyr
