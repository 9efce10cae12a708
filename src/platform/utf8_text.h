// The UTF-8 form of a Shift-JIS string, for the "%u" macro.
#pragma once

#include <string>
#include <string_view>

namespace vyr::platform {

// `ansi` in the ANSI code page (932), converted to UTF-8. Both builds give
// the same bytes for every valid character; see the implementations for what
// happens to bytes that are no character.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace vyr::platform
