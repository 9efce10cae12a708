// A subclass of a window that is not ours (a control, or the edit inside
// one): messages reach OnMessage first. It lets go of the window at its
// WM_NCDESTROY, so it never holds a dead one. One subclass per window.
#pragma once

#include <windows.h>

namespace vyr::framework {

class Subclass {
 public:
  Subclass() = default;
  virtual ~Subclass() { Remove(); }
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;

  // The subclass is a wide one, whatever the window: typed characters
  // arrive as UTF-16, a double-byte character whole, and go on to the
  // control as UTF-16, which the system hands to an ANSI control correctly.
  // (The common controls' subclasses take the window's own kind, and an ANSI
  // one passing Shift-JIS on byte by byte spoils typed Japanese under Wine.)
  void Install(HWND window);
  void Remove();
  bool installed() const { return window_ != nullptr; }
  HWND window() const { return window_; }

 protected:
  virtual LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return Default(message, wparam, lparam);
  }
  // What the window would have done without the subclass.
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(original_, window_, message, wparam, lparam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND window_ = nullptr;
  WNDPROC original_ = nullptr;
};

}  // namespace vyr::framework
