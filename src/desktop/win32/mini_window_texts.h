// Texts of the Mini window, in Shift-JIS.
#pragma once

namespace vyr::texts {

// VYr 出張版 [Enter]でGO! [Esc]でｷｬﾝｾﾙ
inline constexpr char kMiniWindowCaption[] =
    "\x56\x59\x72 \x8F\x6F\x92\xA3\x94\xC5 [\x45\x6E\x74\x65\x72]\x82\xC5\x47\x4F! "
    "[\x45\x73\x63]\x82\xC5\xB7\xAC\xDD\xBE\xD9";
// 行き先
inline constexpr char kMiniWindowDestination[] = "\x8D\x73\x82\xAB\x90\xE6";

}  // namespace vyr::texts
