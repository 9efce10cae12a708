#include "desktop/mini_window.h"

#include <cctype>

namespace vyr {

bool NeedsInput(std::string_view parameters) {
  for (std::string_view macro : {"%s", "%d", "%e", "%u", "%x", "%j"}) {
    if (parameters.find(macro) != std::string_view::npos) return true;
  }
  return false;
}

void MiniWindow::OnHotKey(int id) {
  if (id == kScanHotKeyId) {
    ScanShownDrive();
  } else if (id >= kCommandHotKeyBase) {
    ShowForCommand(id - kCommandHotKeyBase);
  }
}

void MiniWindow::ScanShownDrive() {
  views_.tray.SetTrayIconOn(false);
  parts_.hot_keys.Unregister();
  parts_.scans.ScanShownDrive();
  views_.tray.SetTrayIconOn(true);
  parts_.hot_keys.Register();
}

void MiniWindow::ShowForCommand(long long position) {
  const CommandEntry* entry = session_.commands.At(position);
  // An identifier of an entry that is gone (the list changed since the
  // registration) has nothing to show.
  if (entry == nullptr) return;
  RunMode& mode = session_.mode;
  const long long remembered = mode.current_command;
  mode.current_command = position;
  views_.mini.SetCaption(entry->title);
  if (NeedsInput(entry->parameters)) {
    views_.mini.ShowInFront();
  } else {
    parts_.run.Run("", "");
    mode.current_command = remembered;
    views_.mini.Hide();
  }
  const char letter = parts_.drives.CurrentLetter();
  const std::string drive =
      letter == 0 ? "" : std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
  views_.mini.SetCaption(entry->title + " - " + drive + ":");
}

void MiniWindow::OnEnter() {
  views_.mini.Hide();
  parts_.menus.EmptyHistoryMenu();
  const std::string text = views_.mini.InputText();
  const CommandEntry* entry = session_.commands.At(session_.mode.current_command);
  if (entry != nullptr && entry->parameters.find("%s") != std::string::npos) {
    views_.main.SetInputText(text);
    parts_.go.Press();
  } else {
    const SettingsValues& settings = session_.settings;
    if (settings.history_takes_input) session_.history.Add(text, settings.history_limit);
    parts_.run.Run("", text);
    views_.main.ShowHistory(session_.history.Entries());
  }
  parts_.menus.FillHistoryMenu();
}

}  // namespace vyr
