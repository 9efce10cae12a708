// Texts of the windowing layer, in Shift-JIS.
#pragma once

namespace vyr::framework::texts {

// ＭＳ Ｐゴシック
inline constexpr char kUiFontName[] = "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";
// ＭＳ ゴシック
inline constexpr char kFixedFontName[] = "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E";
// 警告
inline constexpr char kWarningCaption[] = "\x8C\x78\x8D\x90";
// 確認
inline constexpr char kConfirmCaption[] = "\x8A\x6D\x94\x46";

}  // namespace vyr::framework::texts
