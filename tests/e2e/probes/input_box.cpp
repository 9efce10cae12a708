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

namespace {

struct Search {
  const char* title;
  HWND found;
};

BOOL CALLBACK FindTitled(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  char title[512] = {};
  GetWindowTextA(window, title, sizeof title);
  if (IsWindowVisible(window) && std::strstr(title, search->title) != nullptr) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const DWORD timeout = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) * 1000 : 30000;
  const DWORD start = GetTickCount();
  Search search{argv[1], nullptr};
  while (search.found == nullptr) {
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) break;
    if (GetTickCount() - start > timeout) return 1;
    Sleep(200);
  }
  HWND box = FindWindowExA(search.found, nullptr, "ComboBox", nullptr);
  if (box == nullptr) return 1;
  const auto length = SendMessageA(box, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> text(static_cast<std::size_t>(length) + 16);
  SendMessageA(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  const auto selection = static_cast<DWORD>(SendMessageA(box, CB_GETEDITSEL, 0, 0));
  std::printf("%s\n%u %u\n", text.data(), LOWORD(selection), HIWORD(selection));
  return 0;
}
