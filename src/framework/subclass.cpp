#include "framework/subclass.h"

#include <commctrl.h>

namespace vyr::framework {

void Subclass::Install(HWND window) {
  if (window == window_) return;
  Remove();
  if (window != nullptr &&
      SetWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this),
                        reinterpret_cast<DWORD_PTR>(this))) {
    window_ = window;
  }
}

void Subclass::Remove() {
  if (window_ == nullptr) return;
  RemoveWindowSubclass(window_, Procedure, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
}

LRESULT CALLBACK Subclass::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR, DWORD_PTR data) {
  auto* subclass = reinterpret_cast<Subclass*>(data);
  if (message == WM_NCDESTROY) {
    subclass->Remove();
    return DefSubclassProc(window, message, wparam, lparam);
  }
  return subclass->OnMessage(message, wparam, lparam);
}

}  // namespace vyr::framework
