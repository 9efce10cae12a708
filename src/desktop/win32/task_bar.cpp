#include "desktop/win32/task_bar.h"

#include <cstring>
#include <exception>
#include <utility>

#include "base/sjis.h"
#include "desktop/win32/task_bar_texts.h"
#include "framework/application_window.h"
#include "framework/dialogs.h"

namespace vyr {
namespace {

constexpr UINT kIconId = 1;
// The tool tip of the record without the balloon fields holds 63 bytes.
constexpr std::size_t kMaxTipBytes = 63;

// The longest beginning of `text` of at most `limit` bytes that does not end
// inside a double-byte character.
std::string_view CutAtCharacter(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + CharLength(text, end);
    if (next > limit) break;
    end = next;
  }
  return text.substr(0, end);
}

}  // namespace

TaskBarCalls TaskBarCalls::Real() {
  TaskBarCalls calls;
  calls.notify = [](DWORD message, NOTIFYICONDATAA* record) { return Shell_NotifyIconA(message, record); };
  calls.open_menu = [](const framework::PopupMenu& menu, HWND owner, POINT at) {
    return menu.Track(owner, at);
  };
  calls.show_error = [](const std::string& message) {
    framework::ShowWarningBox(framework::ApplicationWindow(), message);
  };
  return calls;
}

TTaskBar::TTaskBar(TaskBarCalls calls)
    : calls_(std::move(calls)), taskbar_created_(RegisterWindowMessageA("TaskbarCreated")) {
  framework::WindowArgs args;
  args.class_name = "VyrTaskBar";
  args.style = WS_POPUP;
  args.ex_style = WS_EX_TOOLWINDOW;
  args.x = args.y = args.width = args.height = 0;
  window_.Create(args);
  // The record names this icon from the start, so that a Delete before the
  // first Add asks about our icon and nobody else's.
  FillRecord();
}

TTaskBar::~TTaskBar() { Delete(); }

void TTaskBar::Loaded() {
  if (enable_task_tray_) Add();
  SetEnableTaskBar(enable_task_bar_);
}

void TTaskBar::SetIcon(HICON icon) {
  // The old copy goes only once the record holds the new one.
  framework::ScopedIcon old = std::move(icon_);
  icon_.reset(icon != nullptr ? CopyIcon(icon) : nullptr);
  Refresh();
}

void TTaskBar::SetEnableTaskBar(bool on) {
  enable_task_bar_ = on;
  if (HWND application = framework::ApplicationWindow()) ShowWindow(application, on ? SW_SHOW : SW_HIDE);
}

void TTaskBar::SetEnableTaskTray(bool on) {
  enable_task_tray_ = on;
  if (on) {
    Add();
  } else {
    Delete();
  }
}

void TTaskBar::SetTips(std::string_view tips) {
  tips_ = CutAtCharacter(tips, kMaxTips);
  Refresh();
}

void TTaskBar::Add() {
  FillRecord();
  calls_.notify(NIM_ADD, &record_);
}

void TTaskBar::Refresh() {
  TakeIconAndTip();
  if (enable_task_tray_) calls_.notify(NIM_MODIFY, &record_);
}

void TTaskBar::Delete() { calls_.notify(NIM_DELETE, &record_); }

void TTaskBar::FillRecord() {
  record_.cbSize = kRecordSize;
  record_.hWnd = hwnd();
  record_.uID = kIconId;
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = kTrayMessage;
  TakeIconAndTip();
}

void TTaskBar::TakeIconAndTip() {
  record_.hIcon = icon_ ? icon_.get() : framework::ApplicationIcon();
  const std::string_view tip = CutAtCharacter(tips_, kMaxTipBytes);
  std::memset(record_.szTip, 0, sizeof record_.szTip);
  std::memcpy(record_.szTip, tip.data(), tip.size());
}

LRESULT TTaskBar::HiddenWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kTrayMessage) {
    owner_.OnTrayNotify(static_cast<UINT>(lparam));
    return 0;
  }
  if (message == owner_.taskbar_created_ && message != 0) {
    owner_.OnTaskbarCreated();
    return 0;
  }
  return Window::OnMessage(message, wparam, lparam);
}

void TTaskBar::OnTrayNotify(UINT mouse_event) {
  // Read before anything runs: the menu opens where the button was released,
  // wherever the pointer has gone by the time the waiting messages are done.
  POINT at = {};
  GetCursorPos(&at);
  // Nothing may leave a window procedure by an exception; the user is told
  // and the program goes on.
  try {
    HandleMouse(mouse_event, at);
  } catch (const std::exception& error) {
    calls_.show_error(error.what());
  } catch (...) {
    calls_.show_error(texts::kUnexpectedError);
  }
}

void TTaskBar::HandleMouse(UINT mouse_event, POINT at) {
  if (on_tray_click_) {
    switch (mouse_event) {
      case WM_LBUTTONDOWN: on_tray_click_(kTrayLeft); break;
      case WM_RBUTTONDOWN: on_tray_click_(kTrayRight); break;
      case WM_MBUTTONDOWN: on_tray_click_(kTrayMiddle); break;
      default: break;
    }
  }
  framework::PopupMenu* menu = MenuReleasedBy(mouse_event);
  if (menu == nullptr) return;
  // The menu closes when the user clicks elsewhere only if the program is
  // in front; what was waiting (the click's own messages among them) runs
  // before the menu's loop takes over.
  if (HWND application = framework::ApplicationWindow()) SetForegroundWindow(application);
  framework::ProcessWaitingMessages();
  const int tag = calls_.open_menu(*menu, hwnd(), at);
  if (tag != 0 && on_menu_choice_) on_menu_choice_(*menu, tag);
}

framework::PopupMenu* TTaskBar::MenuReleasedBy(UINT mouse_event) const {
  switch (mouse_event) {
    case WM_LBUTTONUP: return menu_left_;
    case WM_MBUTTONUP: return menu_middle_;
    case WM_RBUTTONUP: return menu_right_;
    default: return nullptr;
  }
}

// The shell's task bar has started again, without the icons it had.
void TTaskBar::OnTaskbarCreated() {
  if (enable_task_tray_) Add();
}

}  // namespace vyr
