// Texts of the commands subsystem, in Shift-JIS.
#pragma once

namespace vyr::texts {

// デスクトップに表示
inline constexpr char kShowOnDesktop[] =
    "\x83\x66\x83\x58\x83\x4E\x83\x67\x83\x62\x83\x76\x82\xC9\x95\x5C\x8E\xA6";

// ツリービュー形式で表示
inline constexpr char kShowAsTree[] =
    "\x83\x63\x83\x8A\x81[\x83\x72\x83\x85\x81[\x8C`\x8E\xAE\x82\xC5\x95\x5C\x8E\xA6";

}  // namespace vyr::texts
