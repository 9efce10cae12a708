// HenkanJ: the half-width katakana widened, and the EUC and JIS forms that the
// "%x" and "%j" macros take their URL form of.
#pragma once

#include <string>
#include <string_view>

namespace vyr::HenkanJ {

// `text` with every half-width katakana (and ｡｢｣､･ｰ) turned into its
// full-width character, a following ﾞ or ﾟ joined where a voiced or
// semi-voiced kana exists and written as ゛ or ゜ after it where none does.
// Everything else is copied; the result is Shift-JIS again.
std::string WidenKana(std::string_view text);

// The widened text with each double-byte character as its two JIS X 0208
// bytes; single bytes are copied. No escape sequences.
std::string JisForm(std::string_view text);

// As JisForm with 0x80 added to both bytes of each double-byte character.
// Single bytes (half-width katakana left by the widening too) are copied
// without a 0x8E prefix.
std::string EucForm(std::string_view text);

}  // namespace vyr::HenkanJ
