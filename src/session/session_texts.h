// Texts of the drive box and the drive-scan menu, in Shift-JIS.
#pragma once

namespace vyr::texts {

// ドライブをスキャンする
inline constexpr char kScanDriveSuffix[] =
    "\x83\x68\x83\x89\x83\x43\x83\x75\x82\xF0\x83\x58\x83\x4C\x83\x83\x83\x93\x82\xB7\x82\xE9";

}  // namespace vyr::texts
