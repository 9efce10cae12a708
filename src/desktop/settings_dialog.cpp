#include "desktop/settings_dialog.h"

#include <algorithm>
#include <charconv>

#include "jump/history.h"

namespace vyr {

DialogOptions OptionsOf(const SettingsValues& settings) {
  DialogOptions options;
  options.scan_hot_key = settings.scan_hot_key;
  options.swap_menus = settings.swap_menus;
  options.skip_system_directories = settings.skip_system_directories;
  options.use_auto_complete = settings.use_auto_complete;
  options.close_input_method = settings.close_input_method;
  options.history_takes_input = settings.history_takes_input;
  options.history_limit = settings.history_limit;
  return options;
}

void TakeOptions(const DialogOptions& options, SettingsValues& settings) {
  settings.scan_hot_key = options.scan_hot_key;
  settings.swap_menus = options.swap_menus;
  settings.skip_system_directories = options.skip_system_directories;
  settings.use_auto_complete = options.use_auto_complete;
  settings.close_input_method = options.close_input_method;
  settings.history_takes_input = options.history_takes_input;
  settings.history_limit = options.history_limit;
}

void ApplyInputOptions(const SettingsValues& settings, MainWindowView& main, MiniWindowView& mini) {
  main.SetCompletion(settings.use_auto_complete);
  mini.SetCompletion(settings.use_auto_complete);
  mini.SetCloseInputMethod(settings.close_input_method);
}

int HistoryLimitOf(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size()) {
    return kLeastHistoryLimit;
  }
  // A number too long for any type is far outside the range, on its side.
  if (error == std::errc::result_out_of_range) {
    return text.front() == '-' ? kLeastHistoryLimit : kMostHistoryLimit;
  }
  return static_cast<int>(std::clamp<long long>(value, kLeastHistoryLimit, kMostHistoryLimit));
}

SettingsDialog::SettingsDialog(Session& session, SettingsDialogViews views,
                               SettingsDialogParts parts)
    : session_(session),
      views_(views),
      parts_(parts),
      page_(session.commands, CommandPageViews{views.rows, views.editor, views.warnings,
                                               views.questions}) {}

void SettingsDialog::ShowRows() {
  views_.rows.ShowEntries(session_.commands.entries());
  views_.rows.SelectRow(-1);
}

void SettingsDialog::Open() {
  if (!file_ || open_) return;
  open_ = true;
  if (session_.settings.tray_mode) {
    views_.tray.SetTrayIconOn(false);
    parts_.hot_keys.Unregister();
    parts_.menus.EmptyLaunchMenu();
    parts_.menus.EmptyHistoryMenu();
    session_.commands.Load(*file_);
  } else {
    session_.commands.Load(*file_);
    views_.main.SetShown(false);
  }
  ShowRows();
  views_.dialog.ShowDialog(OptionsOf(session_.settings));
}

void SettingsDialog::OnClosed(const std::optional<DialogOptions>& ok) {
  if (!file_ || !open_) return;
  // Whatever the step meets, the dialog may open again afterwards.
  struct Closed {
    bool& open;
    ~Closed() { open = false; }
  } closed{open_};
  const bool tray_mode = session_.settings.tray_mode;
  if (!tray_mode) views_.main.SetShown(true);
  if (ok) {
    ApplyOptions(*ok);
    // A failed save skips the rest of the step, except that a program in
    // tray mode gets its icon and hot keys back: without them it could not be
    // reached at all.
    if (!SaveAndReloadCommands() && !tray_mode) return;
  }
  if (tray_mode) {
    session_.commands.Load(*file_);
    parts_.hot_keys.Register();
    parts_.menus.FillLaunchMenu();
    parts_.menus.FillHistoryMenu();
    views_.tray.SetTrayIconOn(true);
  }
}

void SettingsDialog::ApplyOptions(const DialogOptions& options) {
  TakeOptions(options, session_.settings);
  ApplyInputOptions(session_.settings, views_.main, views_.mini);
  parts_.tray_mode.AssignTrayMenus();
}

bool SettingsDialog::SaveAndReloadCommands() {
  try {
    session_.commands.Save(*file_);
  } catch (const SettingsWriteError& error) {
    views_.main_warnings.ShowWarning(error.what());
    return false;
  }
  session_.commands.Load(*file_);
  return true;
}

void SettingsDialog::ResetToDefault() {
  if (!file_) return;
  try {
    page_.ResetToDefault(*file_);
  } catch (const SettingsWriteError& error) {
    views_.warnings.ShowWarning(error.what());
  }
}

void SettingsDialog::ClearHistory() {
  vyr::ClearHistory(session_.history, views_.confirmation);
  views_.main.ShowHistory(session_.history.Entries());
}

}  // namespace vyr
