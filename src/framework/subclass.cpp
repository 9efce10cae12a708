#include "framework/subclass.h"

namespace vyr::framework {
namespace {

// The object, and the procedure it stands in front of, kept on the window.
constexpr wchar_t kObject[] = L"VyrSubclass";
constexpr wchar_t kOriginal[] = L"VyrSubclassOriginal";

}  // namespace

void Subclass::Install(HWND window) {
  if (window == window_) return;
  Remove();
  if (window == nullptr || GetPropW(window, kOriginal) != nullptr) return;
  original_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  SetPropW(window, kOriginal, reinterpret_cast<HANDLE>(original_));
  SetPropW(window, kObject, this);
  window_ = window;
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
}

void Subclass::Remove() {
  if (window_ == nullptr) return;
  RemovePropW(window_, kObject);
  // Someone who subclassed after us stands in front: our procedure stays in
  // the chain and passes everything on.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)) == Procedure) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropW(window_, kOriginal);
  }
  window_ = nullptr;
}

LRESULT CALLBACK Subclass::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* subclass = static_cast<Subclass*>(GetPropW(window, kObject));
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(window, kOriginal));
  if (subclass == nullptr || message == WM_NCDESTROY) {
    if (subclass != nullptr) subclass->Remove();
    RemovePropW(window, kOriginal);
    return CallWindowProcW(original, window, message, wparam, lparam);
  }
  return subclass->OnMessage(message, wparam, lparam);
}

}  // namespace vyr::framework
