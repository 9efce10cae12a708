// The tray icon as tray mode and the Mini window switch it: the main
// window's TTaskBar with the main window's two tray menus.
#pragma once

#include "desktop/tray_icon_view.h"
#include "desktop/win32/task_bar.h"
#include "framework/menu.h"

namespace vyr {

class TrayIcon final : public TrayIconView {
 public:
  TrayIcon(TTaskBar& task_bar, framework::PopupMenu& history_menu,
           framework::PopupMenu& launch_menu)
      : task_bar_(task_bar), history_menu_(history_menu), launch_menu_(launch_menu) {}

  void SetTrayIconOn(bool on) override { task_bar_.SetEnableTaskTray(on); }
  void HideTaskBarButton() override;
  void RestoreTaskBarButton() override;
  void AssignTrayMenus(TrayMenu left, TrayMenu right) override;

 private:
  framework::PopupMenu* MenuOf(TrayMenu menu) const;

  TTaskBar& task_bar_;
  framework::PopupMenu& history_menu_;
  framework::PopupMenu& launch_menu_;
};

}  // namespace vyr
