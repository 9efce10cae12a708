#include "framework/application_window.h"

namespace vyr::framework {
namespace {

HWND g_application_window = nullptr;

}  // namespace

void SetApplicationWindow(HWND window) { g_application_window = window; }

HWND ApplicationWindow() {
  // A destroyed window's handle may be given to another window later.
  if (g_application_window != nullptr && !IsWindow(g_application_window)) g_application_window = nullptr;
  return g_application_window;
}

HICON ApplicationIcon() {
  if (HWND window = ApplicationWindow()) {
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON))) return icon;
  }
  return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}

}  // namespace vyr::framework
