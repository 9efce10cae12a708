// Texts that the settings dialog and the command editor both show, in
// Shift-JIS: the buttons that end them, and the names of an entry's fields
// (the list's column captions, the editor's labels).
#pragma once

namespace vyr::texts {

inline constexpr char kOk[] = "OK";
// キャンセル
inline constexpr char kCancel[] = "\x83\x4C\x83\x83\x83\x93\x83\x5A\x83\x8B";

// タイトル
inline constexpr char kTitleCaption[] = "\x83^\x83\x43\x83\x67\x83\x8B";
// 初期ディレクトリ
inline constexpr char kDirectoryCaption[] =
    "\x8F\x89\x8A\xFA\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A";
// ホットキー
inline constexpr char kHotKeyCaption[] = "\x83\x7A\x83\x62\x83\x67\x83\x4C\x81[";

}  // namespace vyr::texts
