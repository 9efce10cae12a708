// The control of a window that had the keyboard focus when the window was
// last deactivated, given the focus back when the window is active again.
// Without it the platform gives the focus to the window itself, and the keys
// reach no control until the user clicks one: after every modal window or
// message box over it.
#pragma once

#include <windows.h>

namespace vyr::framework {

class FocusMemory {
 public:
  // The control that is to have the focus at the next activation.
  void Remember(HWND control) { focused_ = control; }
  // For WM_ACTIVATE of `window`. True when the focus was given back; false
  // leaves the message to the platform (nothing remembered, or the control
  // can take no focus now).
  bool OnActivate(HWND window, WPARAM wparam);

 private:
  HWND focused_ = nullptr;
};

}  // namespace vyr::framework
