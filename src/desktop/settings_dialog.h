// The settings dialog as the main window opens and closes it: the Command
// list loaded before it shows (with the tray put away in tray mode), and the
// apply-settings step when it closes, whatever closed it. Its command page's
// operations work on the session's list directly.
#pragma once

#include <optional>

#include "commands/command_page.h"
#include "desktop/hot_keys.h"
#include "desktop/tray_icon_view.h"
#include "desktop/tray_menus.h"
#include "desktop/tray_mode.h"
#include "session/session.h"
#include "settings/settings_file.h"
#include "ui/confirmation_box.h"
#include "ui/main_window_view.h"
#include "ui/mini_window_view.h"
#include "ui/warning_box.h"
#include "ui/yes_no_box.h"

namespace vyr {

// What the "その他" tab shows and, after OK, gives back.
struct DialogOptions {
  KeyCombination scan_hot_key = 0;
  bool swap_menus = false;
  bool skip_system_directories = false;
  bool use_auto_complete = false;
  bool close_input_method = false;
  bool history_takes_input = false;
  int history_limit = 16;

  bool operator==(const DialogOptions&) const = default;
};

inline constexpr int kLeastHistoryLimit = 8;
inline constexpr int kMostHistoryLimit = 256;

DialogOptions OptionsOf(const SettingsValues& settings);
void TakeOptions(const DialogOptions& options, SettingsValues& settings);
// Completion on both input boxes, and the Mini window's input method: at
// start-up and after the dialog's OK.
void ApplyInputOptions(const SettingsValues& settings, MainWindowView& main, MiniWindowView& mini);

// The number field's text as a history limit: brought into 8 to 256, and
// 8 for a text that is no number.
int HistoryLimitOf(std::string_view text);

// The dialog window itself; its list is the page's CommandRowsView.
class SettingsDialogView {
 public:
  virtual ~SettingsDialogView() = default;
  // Puts `options` into the "その他" tab, sets the result to Cancel and shows
  // the dialog, not modally, on the tab last used.
  virtual void ShowDialog(const DialogOptions& options) = 0;
};

struct SettingsDialogViews {
  SettingsDialogView& dialog;
  CommandRowsView& rows;
  CommandEditorView& editor;
  MainWindowView& main;
  MiniWindowView& mini;
  TrayIconView& tray;
  // In front of the dialog, for its page.
  WarningBox& warnings;
  // In front of the main window, for a failed save while closing: the dialog
  // is already away then, and the main window must take no input meanwhile.
  WarningBox& main_warnings;
  YesNoBox& questions;
  ConfirmationBox& confirmation;
};

struct SettingsDialogParts {
  TrayMenus& menus;
  HotKeyRegistration& hot_keys;
  TrayMode& tray_mode;
};

class SettingsDialog {
 public:
  SettingsDialog(Session& session, SettingsDialogViews views, SettingsDialogParts parts);

  // The settings file that the list is loaded from and saved to; nothing
  // opens before there is one.
  void UseSettingsFile(SettingsFile& file) { file_ = &file; }

  // "設定(&O)..." in either menu; nothing while the dialog is open.
  void Open();
  // Any way of closing: `ok` holds the options read back when OK closed it.
  void OnClosed(const std::optional<DialogOptions>& ok);

  // The "コマンド" tab's operations.
  CommandPage& page() { return page_; }
  // "デフォルトに戻す": a failed save is shown, the list shown as it stands.
  void ResetToDefault();
  // "入力履歴の消去".
  void ClearHistory();

 private:
  void ShowRows();
  // False when the save failed; the failure is shown.
  bool SaveAndReloadCommands();
  void ApplyOptions(const DialogOptions& options);

  Session& session_;
  SettingsDialogViews views_;
  SettingsDialogParts parts_;
  CommandPage page_;
  SettingsFile* file_ = nullptr;
  // From the opening to the end of the apply-settings step.
  bool open_ = false;
};

}  // namespace vyr
