// Texts of the main window and its menus, in Shift-JIS.
#pragma once

namespace vyr::texts {

// 行き先
inline constexpr char kDestination[] = "\x8D\x73\x82\xAB\x90\xE6";
// タスクバーに隠れる(&T)
inline constexpr char kHideInTaskBar[] =
    "\x83^\x83\x58\x83\x4E\x83\x6F\x81[\x82\xC9\x89\x42\x82\xEA\x82\xE9(&T)";
// 設定(&O)...
inline constexpr char kSettingsItem[] = "\x90\xDD\x92\xE8(&O)...";
// ヘルプの目次
inline constexpr char kHelpContents[] = "\x83\x77\x83\x8B\x83\x76\x82\xCC\x96\xDA\x8E\x9F";
// 操作説明
inline constexpr char kOperatingInstructions[] = "\x91\x80\x8D\xEC\x90\xE0\x96\xBE";
// あばうと...
inline constexpr char kAboutItem[] = "\x82\xA0\x82\xCE\x82\xA4\x82\xC6...";
// ドライブのスキャン(&S)
inline constexpr char kScanMenuItem[] =
    "\x83\x68\x83\x89\x83\x43\x83\x75\x82\xCC\x83\x58\x83\x4C\x83\x83\x83\x93(&S)";
// 既にVyrが起動していますよ
inline constexpr char kAlreadyRunning[] =
    "\x8A\xF9\x82\xC9Vyr\x82\xAA\x8B\x4E\x93\xAE\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x82\xE6";
// 検索対象のﾄﾞﾗｲﾌﾞ
inline constexpr char kDriveBoxHint[] = "\x8C\x9F\x8D\xF5\x91\xCE\x8F\xDB\x82\xCC\xC4\xDE\xD7\xB2\xCC\xDE";
// ﾃﾞｨﾚｸﾄﾘ情報をﾙｰﾄに作成
inline constexpr char kScanHint[] =
    "\xC3\xDE\xA8\xDA\xB8\xC4\xD8\x8F\xEE\x95\xF1\x82\xF0\xD9\xB0\xC4\x82\xC9\x8D\xEC\x90\xAC";

// 隠れるのはやめる(&T)
inline constexpr char kStopHiding[] =
    "\x89\x42\x82\xEA\x82\xE9\x82\xCC\x82\xCD\x82\xE2\x82\xDF\x82\xE9(&T)";
// ヘルプ
inline constexpr char kHelpMenu[] = "\x83\x77\x83\x8B\x83\x76";
// あばうと(&A)...
inline constexpr char kAboutFromTray[] = "\x82\xA0\x82\xCE\x82\xA4\x82\xC6(&A)...";
// VYr終了(&X)
inline constexpr char kExitItem[] = "VYr\x8F\x49\x97\xB9(&X)";

inline constexpr char kMutexName[] = "VOLMERA'sAPP__VYR__";

}  // namespace vyr::texts
