// The platform's ANSI upper-casing over a whole Shift-JIS string.
#pragma once

#include <string>

namespace vyr::platform {

// Windows: CharUpperBuffA. Linux: a twin of it for code page 932 (full-width
// letters and Greek and Cyrillic too; a second byte is never touched).
void AnsiUpperCase(std::string& text);

}  // namespace vyr::platform
