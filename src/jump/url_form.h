// The URL form that the "%e", "%u", "%x" and "%j" macros insert.
#pragma once

#include <string>
#include <string_view>

namespace vyr {

// Percent-encodes `bytes` whatever their encoding (Shift-JIS, UTF-8, EUC or
// JIS). The space becomes "+", the bytes * - . 0-9 @ A-Z _ a-z stay, every
// other byte becomes %XX with upper-case digits. A byte 0x81-0x84, 0x88-0x9F
// or 0xE0-0xEA is taken as a lead byte: the byte after it is always %XX.
std::string UrlForm(std::string_view bytes);

}  // namespace vyr
