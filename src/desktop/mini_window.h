// The Mini window's behaviour: shown for one command by its hot key or its
// launch-menu item, Enter runs that command on the typed text, Esc puts it
// away; and the hot keys that arrive on it.
#pragma once

#include <string_view>

#include "desktop/hot_keys.h"
#include "desktop/tray_icon_view.h"
#include "desktop/tray_menus.h"
#include "jump/expand_and_run.h"
#include "jump/go_button.h"
#include "session/drive_scans.h"
#include "session/session.h"
#include "ui/main_window_view.h"
#include "ui/mini_window_view.h"

namespace vyr {

// True when a parameter line takes typed input: "%s", "%d", "%e", "%u", "%x"
// or "%j" (not "%w", which is the drive's own).
bool NeedsInput(std::string_view parameters);

struct MiniWindowViews {
  MiniWindowView& mini;
  MainWindowView& main;
  TrayIconView& tray;
};

// What the Mini window's behaviour works with besides its views.
struct MiniWindowParts {
  TrayMenus& menus;
  HotKeyRegistration& hot_keys;
  GoButton& go;
  ExpandAndRun& run;
  DriveScans& scans;
  const DriveBox& drives;
};

class MiniWindow {
 public:
  MiniWindow(Session& session, MiniWindowViews views, MiniWindowParts parts)
      : session_(session), views_(views), parts_(parts) {}

  // WM_HOTKEY: the scan hot key rescans the drive shown (with the hot keys
  // away meanwhile, so that a second press cannot start a scan inside it);
  // an entry's hot key shows the window for that entry.
  void OnHotKey(int id);
  // The entry becomes the current command; one that takes input shows the
  // window, any other runs at once and the current command goes back.
  void ShowForCommand(long long position);
  // The tray icon is away exactly while the window is shown.
  void OnShown() { views_.tray.SetTrayIconOn(false); }
  void OnHidden() { views_.tray.SetTrayIconOn(true); }
  void OnEnter();
  void OnEscape() { views_.mini.Hide(); }

 private:
  void ScanShownDrive();

  Session& session_;
  MiniWindowViews views_;
  MiniWindowParts parts_;
};

}  // namespace vyr
