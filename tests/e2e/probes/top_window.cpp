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

namespace {

struct Search {
  const char* title;
  HWND found;
};

BOOL CALLBACK FindTitled(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  char title[512] = {};
  GetWindowTextA(window, title, sizeof title);
  if (std::strstr(title, search->title) != nullptr) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const DWORD timeout = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) * 1000 : 30000;
  const DWORD start = GetTickCount();
  Search search{argv[1], nullptr};
  while (search.found == nullptr) {
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) break;
    if (GetTickCount() - start > timeout) return 1;
    Sleep(200);
  }
  if (std::strcmp(argv[2], "state") == 0) {
    std::printf("%s\n", IsWindowVisible(search.found) ? "visible" : "hidden");
  } else if (std::strcmp(argv[2], "front") == 0) {
    std::printf("%s\n", GetForegroundWindow() == search.found ? "foreground" : "background");
  } else if (std::strcmp(argv[2], "close") == 0) {
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  } else {
    return 2;
  }
  return 0;
}
