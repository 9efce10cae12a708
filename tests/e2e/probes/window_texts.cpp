// window_texts.exe TITLE [TIMEOUT]: waits for a visible top-level window whose
// title holds TITLE (Shift-JIS) and prints the texts of its child windows,
// one a line, in the ANSI code page: what a message box says, or what the
// edit boxes of a dialog hold.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "find_window.h"

namespace {

BOOL CALLBACK PrintText(HWND child, LPARAM) {
  char text[2048] = {};
  // WM_GETTEXT, not GetWindowTextA: in another process only the message
  // reaches what an edit box holds.
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, &copied);
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
