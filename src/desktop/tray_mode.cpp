#include "desktop/tray_mode.h"

namespace vyr {

void TrayMode::Enter() {
  session_.settings.tray_mode = true;
  hot_keys_.Register();
  menus_.FillLaunchMenu();
  menus_.FillHistoryMenu();
  views_.tray.SetTrayIconOn(true);
  views_.tray.HideTaskBarButton();
  views_.main.SetShown(false);
}

void TrayMode::Leave() {
  session_.settings.tray_mode = false;
  hot_keys_.Unregister();
  menus_.EmptyLaunchMenu();
  menus_.EmptyHistoryMenu();
  views_.main.SetShown(true);
  views_.tray.SetTrayIconOn(false);
  views_.tray.RestoreTaskBarButton();
}

void TrayMode::AssignTrayMenus() {
  if (session_.settings.swap_menus) {
    views_.tray.AssignTrayMenus(TrayMenu::kLaunch, TrayMenu::kHistory);
  } else {
    views_.tray.AssignTrayMenus(TrayMenu::kHistory, TrayMenu::kLaunch);
  }
}

void TrayMode::ShowAboutFromTray() {
  views_.tray.SetTrayIconOn(false);
  views_.about.ShowAbout();
  views_.tray.SetTrayIconOn(true);
}

void TrayMode::OnHistoryItem(const std::string& text) {
  views_.main.SetInputText(text);
  go_.Press();
}

}  // namespace vyr
