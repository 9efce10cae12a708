// window_texts.exe TITLE [TIMEOUT]: waits for a visible top-level window whose
// title holds TITLE (Shift-JIS) and prints the texts of its child windows,
// one a line, in the ANSI code page: what a message box says, for instance.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "find_window.h"

namespace {

BOOL CALLBACK PrintText(HWND child, LPARAM) {
  char text[2048] = {};
  GetWindowTextA(child, text, sizeof text);
  if (text[0] != '\0') std::printf("%s\n", text);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const HWND found = probe::WaitForWindow(argv[1], probe::TimeoutArgument(argc, argv, 2),
                                          probe::Shown::kOnlyVisible);
  if (found == nullptr) return 1;
  EnumChildWindows(found, PrintText, 0);
  return 0;
}
