// What every probe does first: wait for a top-level window whose title holds
// a text (Shift-JIS), polling, since Wine may take seconds to show it.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace probe {

enum class Shown { kOnlyVisible, kShownOrHidden };

struct Search {
  const char* title;
  Shown shown;
  HWND found = nullptr;
};

inline BOOL CALLBACK FindTitled(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  char title[512] = {};
  GetWindowTextA(window, title, sizeof title);
  const bool visible = search->shown == Shown::kShownOrHidden || IsWindowVisible(window);
  if (visible && std::strstr(title, search->title) != nullptr) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The window, or nullptr when none came within `timeout_ms`.
inline HWND WaitForWindow(const char* title, DWORD timeout_ms,
                          Shown shown = Shown::kOnlyVisible) {
  const DWORD start = GetTickCount();
  Search search{title, shown};
  for (;;) {
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    if (GetTickCount() - start > timeout_ms) return nullptr;
    Sleep(200);
  }
}

// The timeout argument in seconds, 30 when absent.
inline DWORD TimeoutArgument(int argc, char** argv, int index) {
  return argc > index ? static_cast<DWORD>(std::atoi(argv[index])) * 1000 : 30000;
}

}  // namespace probe
