// Tray mode: the program as an icon in the task tray, with its launch and
// history menus and the global hot keys; entered from the main window's menu
// (or at the first paint, when the last run ended in it) and left from the
// launch menu.
#pragma once

#include <string>

#include "desktop/hot_keys.h"
#include "desktop/tray_icon_view.h"
#include "desktop/tray_menus.h"
#include "jump/go_button.h"
#include "session/session.h"
#include "ui/about_box_view.h"
#include "ui/main_window_view.h"

namespace vyr {

struct TrayModeViews {
  MainWindowView& main;
  TrayIconView& tray;
  AboutBoxView& about;
};

class TrayMode {
 public:
  TrayMode(Session& session, TrayModeViews views, TrayMenus& menus, HotKeyRegistration& hot_keys,
           GoButton& go)
      : session_(session), views_(views), menus_(menus), hot_keys_(hot_keys), go_(go) {}

  void Enter();
  void Leave();
  // The left and right buttons' menus, as SWAPLRMENU says.
  void AssignTrayMenus();
  // The about box with the tray icon away while it is shown.
  void ShowAboutFromTray();
  // A history-menu item: its text into the input box, then GO as the button
  // does it, which runs the current command.
  void OnHistoryItem(const std::string& text);

 private:
  Session& session_;
  TrayModeViews views_;
  TrayMenus& menus_;
  HotKeyRegistration& hot_keys_;
  GoButton& go_;
};

}  // namespace vyr
