// A window bound once to its HWND; every message goes to a member function.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vyr::framework {

struct WindowArgs {
  const char* class_name = "VyrWindow";
  std::string title;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD ex_style = 0;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND owner = nullptr;
  HICON icon = nullptr;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool Create(const WindowArgs& args);

  void Show(int command = SW_SHOW) { ShowWindow(hwnd_, command); }
  void Hide() { ShowWindow(hwnd_, SW_HIDE); }
  bool IsVisible() const { return IsWindowVisible(hwnd_) != 0; }
  void SetText(std::string_view text);
  RECT Bounds() const;
  void SetBounds(int left, int top, int width, int height);
  void Repaint() { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

  // Runs a modal loop until EndModal: the owner takes no input meanwhile.
  int ShowModal();
  void EndModal(int result);
  bool InModal() const { return modal_; }

 protected:
  // The dispatcher of each window: one case per message, one handler each.
  virtual LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(hwnd_, message, wparam, lparam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
  bool modal_ = false;
  int modal_result_ = 0;
};

// The program's message loop: the wide functions, so that typed Japanese
// reaches the ANSI windows as correct Shift-JIS; dialog keys (Tab, Enter,
// Esc) through IsDialogMessageW for the active window.
int RunMessageLoop();
// One round of the loop; false when WM_QUIT arrived.
bool PumpOneMessage();

}  // namespace vyr::framework
