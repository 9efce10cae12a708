// A subclass of a window that is not ours (a control, or the edit inside
// one): messages reach OnMessage first. It lets go of the window at its
// WM_NCDESTROY, so it never holds a dead one.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace vyr::framework {

class Subclass {
 public:
  Subclass() = default;
  virtual ~Subclass() { Remove(); }
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;

  // The subclass is a wide one: under a wide message loop typed characters
  // arrive as UTF-16, and passing them on unchanged keeps typed Japanese
  // whole, where an ANSI subclass would hand the control byte after byte.
  void Install(HWND window);
  void Remove();
  bool installed() const { return window_ != nullptr; }
  HWND window() const { return window_; }

 protected:
  virtual LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return Default(message, wparam, lparam);
  }
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefSubclassProc(window_, message, wparam, lparam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR id, DWORD_PTR data);

  HWND window_ = nullptr;
};

}  // namespace vyr::framework
