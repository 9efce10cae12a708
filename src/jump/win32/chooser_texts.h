// Texts of the Chooser, in Shift-JIS.
#pragma once

namespace vyr::texts {

// 選ぶがよい
inline constexpr char kChooserCaption[] = "\x91\x49\x82\xD4\x82\xAA\x82\xE6\x82\xA2";
inline constexpr char kChooserGo[] = "GO!";
// キャンセル
inline constexpr char kChooserCancel[] = "\x83\x4C\x83\x83\x83\x93\x83\x5A\x83\x8B";

}  // namespace vyr::texts
