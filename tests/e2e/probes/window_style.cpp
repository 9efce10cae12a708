// window_style.exe TITLE [TIMEOUT]: waits for a visible top-level window whose
// title holds TITLE (Shift-JIS) and says whether it accepts dropped files.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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
  const LONG_PTR style = GetWindowLongPtrA(search.found, GWL_EXSTYLE);
  std::printf("accepts dropped files: %s\n", (style & WS_EX_ACCEPTFILES) != 0 ? "yes" : "no");
  return 0;
}
