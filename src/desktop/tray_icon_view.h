// The tray icon and the task-bar button, as tray mode and the Mini window
// switch them.
#pragma once

namespace vyr {

// Which of the two tray menus a mouse button opens.
enum class TrayMenu { kHistory, kLaunch };

class TrayIconView {
 public:
  virtual ~TrayIconView() = default;
  virtual void SetTrayIconOn(bool on) = 0;
  // The application's task-bar button: hidden, and restored.
  virtual void HideTaskBarButton() = 0;
  virtual void RestoreTaskBarButton() = 0;
  virtual void AssignTrayMenus(TrayMenu left, TrayMenu right) = 0;
};

}  // namespace vyr
