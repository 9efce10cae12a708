// Texts of the scan progress window, in Shift-JIS.
#pragma once

namespace vyr::texts {

// ドライブ
inline constexpr char kProgressDrive[] = "\x83\x68\x83\x89\x83\x43\x83\x75";
// のディレクトリ情報を走査中...
inline constexpr char kProgressScanning[] =
    "\x82\xCC\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A\x8F\xEE\x95\xF1\x82\xF0\x91\x96\x8D"
    "\xB8\x92\x86...";

}  // namespace vyr::texts
