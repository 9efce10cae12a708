// input_box.exe TITLE [TIMEOUT]: waits for a visible top-level window whose
// title holds TITLE (Shift-JIS) and prints what its first combo box holds:
// the text on one line, then the edit selection as "START END" (byte
// positions). The text is asked for with WM_GETTEXT: GetWindowTextA of
// another program's control gives only the caption the system keeps, never
// what was typed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "find_window.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const HWND found = probe::WaitForWindow(argv[1], probe::TimeoutArgument(argc, argv, 2),
                                          probe::Shown::kOnlyVisible);
  if (found == nullptr) return 1;
  HWND box = FindWindowExA(found, nullptr, "ComboBox", nullptr);
  if (box == nullptr) return 1;
  const auto length = SendMessageA(box, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> text(static_cast<std::size_t>(length) + 16);
  SendMessageA(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  const auto selection = static_cast<DWORD>(SendMessageA(box, CB_GETEDITSEL, 0, 0));
  std::printf("%s\n%u %u\n", text.data(), LOWORD(selection), HIWORD(selection));
  return 0;
}
