#include "desktop/win32/tray_icon.h"

#include "framework/application_window.h"

namespace vyr {

void TrayIcon::HideTaskBarButton() { ShowWindow(framework::ApplicationWindow(), SW_HIDE); }

void TrayIcon::RestoreTaskBarButton() { ShowWindow(framework::ApplicationWindow(), SW_RESTORE); }

void TrayIcon::AssignTrayMenus(TrayMenu left, TrayMenu right) {
  task_bar_.SetPopupMenuLeft(MenuOf(left));
  task_bar_.SetPopupMenuRight(MenuOf(right));
}

framework::PopupMenu* TrayIcon::MenuOf(TrayMenu menu) const {
  return menu == TrayMenu::kLaunch ? &launch_menu_ : &history_menu_;
}

}  // namespace vyr
