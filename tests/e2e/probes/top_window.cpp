// top_window.exe TITLE ACTION [TIMEOUT]: waits for a top-level window, shown
// or hidden, whose title holds TITLE (Shift-JIS), then
//   state  prints "visible" or "hidden";
//   front  prints "foreground" or "background", as the system ranks it;
//   close  posts it WM_CLOSE, as the close box does.
// A window hidden in the task tray is out of reach of xdotool, not of this.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "find_window.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const HWND found = probe::WaitForWindow(argv[1], probe::TimeoutArgument(argc, argv, 3),
                                          probe::Shown::kShownOrHidden);
  if (found == nullptr) return 1;
  if (std::strcmp(argv[2], "state") == 0) {
    std::printf("%s\n", IsWindowVisible(found) ? "visible" : "hidden");
  } else if (std::strcmp(argv[2], "front") == 0) {
    std::printf("%s\n", GetForegroundWindow() == found ? "foreground" : "background");
  } else if (std::strcmp(argv[2], "close") == 0) {
    PostMessageA(found, WM_CLOSE, 0, 0);
  } else {
    return 2;
  }
  return 0;
}
