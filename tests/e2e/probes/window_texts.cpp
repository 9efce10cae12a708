// window_texts.exe TITLE [TIMEOUT]: waits for a visible top-level window whose
// title holds TITLE (Shift-JIS) and prints the texts of its child windows,
// one a line, in the ANSI code page: what a message box says, for instance.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

BOOL CALLBACK PrintText(HWND child, LPARAM) {
  char text[2048] = {};
  GetWindowTextA(child, text, sizeof text);
  if (text[0] != '\0') std::printf("%s\n", text);
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
  EnumChildWindows(search.found, PrintText, 0);
  return 0;
}
