// Texts of the application shell, in Shift-JIS.
#pragma once

namespace vyr::texts {

inline constexpr char kApplicationTitle[] = "Vyr for Windows9x/2K/XP";

}  // namespace vyr::texts
