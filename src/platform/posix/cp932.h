// Conversion between the Shift-JIS strings inside and the UTF-8 of Linux.
#pragma once

#include <string>
#include <string_view>

namespace vyr::posix {

// Characters that code page 932 lacks become "?", as Wine shows them.
std::string Utf8ToAnsi(std::string_view utf8);

// Invalid Shift-JIS sequences become "?".
std::string AnsiToUtf8(std::string_view ansi);

// The Unicode code point of one Shift-JIS character (one or two bytes), or
// -1 when the bytes are no character of code page 932.
long AnsiCharToCodePoint(std::string_view ansi_char);

// The Shift-JIS bytes of a code point, or an empty string when there are none.
std::string CodePointToAnsi(long code_point);

}  // namespace vyr::posix
