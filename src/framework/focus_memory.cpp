#include "framework/focus_memory.h"

namespace vyr::framework {

bool FocusMemory::OnActivate(HWND window, WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    // The focus has not moved yet: it is still on the control being left.
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) focused_ = focus;
    return false;
  }
  const bool minimized = HIWORD(wparam) != 0;
  // A control hidden with its page, disabled or gone meanwhile is not given
  // the focus.
  if (minimized || focused_ == nullptr || !IsChild(window, focused_) ||
      !IsWindowVisible(focused_) || !IsWindowEnabled(focused_)) {
    return false;
  }
  SetFocus(focused_);
  return true;
}

}  // namespace vyr::framework
