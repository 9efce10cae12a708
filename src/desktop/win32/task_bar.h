// TTaskBar: the program's icon in the task bar's notification area, the
// menus its mouse buttons open, and the program's own task-bar button. It
// knows nothing of the rest of the program: the menus are the owner's, and
// so is what their items do.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "framework/menu.h"
#include "framework/scoped_handles.h"
#include "framework/window.h"

namespace vyr {

// The mouse buttons as OnTrayClick names them.
enum TrayButton { kTrayLeft = 0, kTrayRight = 1, kTrayMiddle = 2 };

// What the component asks of the shell and of the user, one call each, so
// that a test can record them in place of the platform.
struct TaskBarCalls {
  // Shell_NotifyIconA; its result is not looked at.
  std::function<BOOL(DWORD message, NOTIFYICONDATAA* record)> notify;
  // Opens `menu` at a point of the screen for `owner`: the chosen item's
  // tag, or 0 for none.
  std::function<int(const framework::PopupMenu& menu, HWND owner, POINT at)> open_menu;
  // Shows the message of an error met while handling the mouse.
  std::function<void(const std::string& message)> show_error;

  // The platform's: Shell_NotifyIconA, PopupMenu::Track, the warning box.
  static TaskBarCalls Real();
};

class TTaskBar {
 public:
  // The record's callback message, and the record's size without the
  // balloon fields, which the shell of every version reads.
  static constexpr UINT kTrayMessage = WM_APP + 100;
  static constexpr DWORD kRecordSize = 88;
  static constexpr std::size_t kMaxTips = 255;

  using TrayEvent = std::function<void(int button)>;
  using MenuChoice = std::function<void(framework::PopupMenu& menu, int tag)>;

  // Creates the hidden window; EnableTaskBar and EnableTaskTray on, Tips
  // and Icon empty. Nothing is shown until Loaded.
  TTaskBar() : TTaskBar(TaskBarCalls::Real()) {}
  explicit TTaskBar(TaskBarCalls calls);
  // Removes the icon from the tray.
  ~TTaskBar();
  TTaskBar(const TTaskBar&) = delete;
  TTaskBar& operator=(const TTaskBar&) = delete;

  // Once, when the properties have their first values: the icon is added
  // if EnableTaskTray, then EnableTaskBar is applied.
  void Loaded();

  // A copy of `icon` is kept (null: none, so the application's icon shows)
  // and shown at once while the icon is in the tray.
  HICON Icon() const { return icon_.get(); }
  void SetIcon(HICON icon);
  // Shows or hides the application's window, which owns the program's
  // task-bar button (framework::ApplicationWindow).
  bool EnableTaskBar() const { return enable_task_bar_; }
  void SetEnableTaskBar(bool on);
  // On adds the icon to the tray, off removes it; each setting makes the
  // call again, also when the value stays.
  bool EnableTaskTray() const { return enable_task_tray_; }
  void SetEnableTaskTray(bool on);
  // Kept up to kMaxTips bytes; the tool tip shows up to 63 of them.
  const std::string& Tips() const { return tips_; }
  void SetTips(std::string_view tips);

  // The menus opened when a button is released over the icon; the
  // component only refers to them. Null: that button opens nothing.
  framework::PopupMenu* PopupMenuLeft() const { return menu_left_; }
  framework::PopupMenu* PopupMenuMiddle() const { return menu_middle_; }
  framework::PopupMenu* PopupMenuRight() const { return menu_right_; }
  void SetPopupMenuLeft(framework::PopupMenu* menu) { menu_left_ = menu; }
  void SetPopupMenuMiddle(framework::PopupMenu* menu) { menu_middle_ = menu; }
  void SetPopupMenuRight(framework::PopupMenu* menu) { menu_right_ = menu; }

  // Called when a button goes down over the icon, with a TrayButton.
  void SetOnTrayClick(TrayEvent handler) { on_tray_click_ = std::move(handler); }
  // Called with the menu and the tag of the item chosen in one of the
  // three menus; not called when the menu is closed with no choice.
  void SetOnMenuChoice(MenuChoice handler) { on_menu_choice_ = std::move(handler); }

  // The window that receives the icon's notifications.
  HWND hwnd() const { return window_.hwnd(); }
  // The one record given to every call of the shell.
  const NOTIFYICONDATAA& record() const { return record_; }

 private:
  // A hidden top-level window: a message-only window would miss the shell's
  // "TaskbarCreated" broadcast.
  class HiddenWindow final : public framework::Window {
   public:
    explicit HiddenWindow(TTaskBar& owner) : owner_(owner) {}

   protected:
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

   private:
    TTaskBar& owner_;
  };

  void Add();
  void Refresh();
  void Delete();
  void FillRecord();
  void TakeIconAndTip();
  void OnTrayNotify(UINT mouse_event);
  void HandleMouse(UINT mouse_event, POINT at);
  framework::PopupMenu* MenuReleasedBy(UINT mouse_event) const;
  void OnTaskbarCreated();

  TaskBarCalls calls_;
  HiddenWindow window_{*this};
  NOTIFYICONDATAA record_ = {};
  framework::ScopedIcon icon_;
  std::string tips_;
  bool enable_task_bar_ = true;
  bool enable_task_tray_ = true;
  framework::PopupMenu* menu_left_ = nullptr;
  framework::PopupMenu* menu_middle_ = nullptr;
  framework::PopupMenu* menu_right_ = nullptr;
  TrayEvent on_tray_click_;
  MenuChoice on_menu_choice_;
  UINT taskbar_created_ = 0;
};

}  // namespace vyr
