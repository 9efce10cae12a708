// Texts of the tray icon component, in Shift-JIS.
#pragma once

namespace vyr::texts {

// 予期しないエラーが発生しました: shown for an error that carries no message
// of its own.
inline constexpr char kUnexpectedError[] =
    "\x97\x5C\x8A\xFA\x82\xB5\x82\xC8\x82\xA2\x83\x47\x83\x89\x81[\x82\xAA\x94\xAD\x90\xB6\x82\xB5"
    "\x82\xDC\x82\xB5\x82\xBD";

}  // namespace vyr::texts
