// What every window of the program can be asked, through a handle it does
// not own: the controls hold one, and so does each window of its own.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vyr::framework {

// The text of any window, as the A functions give it.
std::string WindowText(HWND window);

class WindowHandle {
 public:
  WindowHandle() = default;
  explicit WindowHandle(HWND hwnd) : hwnd_(hwnd) {}

  HWND hwnd() const { return hwnd_; }
  std::string Text() const { return WindowText(hwnd_); }
  void SetText(std::string_view text) const { SetWindowTextA(hwnd_, std::string(text).c_str()); }
  // Place and size in the parent's coordinates (the screen's for a top-level
  // window); neither the stacking order nor the activation changes.
  void Move(int x, int y, int width, int height) const {
    SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void MoveTo(int x, int y) const {
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void Show(bool shown = true) const { ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE); }
  void Hide() const { Show(false); }
  bool IsVisible() const { return IsWindowVisible(hwnd_) != 0; }
  void Focus() const { SetFocus(hwnd_); }
  // The window's rectangle on the screen.
  RECT Bounds() const {
    RECT rect = {};
    GetWindowRect(hwnd_, &rect);
    return rect;
  }
  RECT ClientRect() const {
    RECT rect = {};
    GetClientRect(hwnd_, &rect);
    return rect;
  }
  void Repaint() const {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

 protected:
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return SendMessageA(hwnd_, message, wparam, lparam);
  }
  void SetHandle(HWND hwnd) { hwnd_ = hwnd; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace vyr::framework
