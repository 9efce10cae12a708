// window_style.exe TITLE [TIMEOUT]: waits for a visible top-level window whose
// title holds TITLE (Shift-JIS) and says whether it accepts dropped files.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "find_window.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const HWND found = probe::WaitForWindow(argv[1], probe::TimeoutArgument(argc, argv, 2),
                                          probe::Shown::kOnlyVisible);
  if (found == nullptr) return 1;
  const LONG_PTR style = GetWindowLongPtrA(found, GWL_EXSTYLE);
  std::printf("accepts dropped files: %s\n", (style & WS_EX_ACCEPTFILES) != 0 ? "yes" : "no");
  return 0;
}
