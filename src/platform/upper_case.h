// The one upper-casing that the index and the lookup share, over Shift-JIS
// byte strings: the platform's conversion behind an ASCII fast path.
#pragma once

#include <string>
#include <string_view>

namespace vyr {

// The platform's ANSI conversion, with a fast path for strings of bytes
// below 0x80.
void UpperCaseInPlace(std::string& text);
std::string UpperCase(std::string_view text);

// True when no other character upper-cases to `character` (one character):
// where an upper-cased text holds it, the text held it before. Digits, "\",
// kana and kanji are such; "A" and "Ａ" are not.
bool IsUpperCaseOfItselfOnly(std::string_view character);

}  // namespace vyr
