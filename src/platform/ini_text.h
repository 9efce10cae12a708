// The rules of the profile file over its text, for platforms without the
// profile functions: reading a value and editing one line in place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vyr::platform {

// The value of `key` in `section` of `text` as the profile functions return
// it (trimmed, one pair of matching quotes off, at most 2047 bytes), or
// nothing when the section or the key is missing. The first match counts.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// `text` with `key` of `section` set to `value`: the key's line replaced, or
// a new line at the end of the section, or a new section at the end.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace vyr::platform
