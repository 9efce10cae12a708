// window_control.exe TITLE WHAT [TIMEOUT]: waits for a visible top-level
// window whose title holds TITLE (Shift-JIS) and tells of a part of it, so
// that a scenario can click it as a user would and see what it shows:
//   TEXT   the child window whose text is TEXT (a button's caption, say),
//   #ID    or the one with the control identifier ID (a field without a
//          caption): "X Y WIDTH HEIGHT visible|hidden checked|unchecked" on
//          the screen, then on a line of its own its text, asked with
//          WM_GETTEXT (GetWindowTextA of another program's edit control
//          gives only the caption the system keeps, never what it holds);
//   close  the middle of the title bar's close box, "X Y", found by asking
//          the window itself what lies under each point of its top edge
//          (WM_NCHITTEST), so that no frame metrics are guessed.
// Child controls have no X window of their own under Wine: xdotool cannot
// find them, this can.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "find_window.h"

namespace {

struct Caption {
  const char* text;
  HWND found = nullptr;
};

BOOL CALLBACK FindCaption(HWND child, LPARAM data) {
  auto* caption = reinterpret_cast<Caption*>(data);
  char text[512] = {};
  GetWindowTextA(child, text, sizeof text);
  if (std::strcmp(text, caption->text) != 0) return TRUE;
  caption->found = child;
  return FALSE;
}

HWND FindControl(HWND window, const char* what) {
  if (what[0] == '#') {
    char* end = nullptr;
    const long id = std::strtol(what + 1, &end, 10);
    if (end == what + 1 || *end != '\0') return nullptr;
    return GetDlgItem(window, static_cast<int>(id));
  }
  Caption caption{what};
  EnumChildWindows(window, FindCaption, reinterpret_cast<LPARAM>(&caption));
  return caption.found;
}

int PrintControl(HWND control) {
  if (control == nullptr) return 1;
  RECT box = {};
  GetWindowRect(control, &box);
  // BM_GETCHECK: only a check box or radio button answers other than 0.
  const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  std::printf("%ld %ld %ld %ld %s %s\n", box.left, box.top, box.right - box.left,
              box.bottom - box.top, IsWindowVisible(control) ? "visible" : "hidden",
              checked ? "checked" : "unchecked");
  const auto length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> text(static_cast<std::size_t>(length) + 16);
  SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  std::printf("%s\n", text.data());
  return 0;
}

bool IsCloseBox(HWND window, int x, int y) {
  return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE;
}

int PrintCloseBox(HWND window) {
  RECT box = {};
  GetWindowRect(window, &box);
  // The first row, from the top, that holds the close box; on it the box's
  // left and right ends, scanning from the window's right edge.
  for (int y = box.top; y < box.bottom && y < box.top + 64; ++y) {
    int right = -1;
    int left = -1;
    for (int x = box.right - 1; x >= box.left && x > box.right - 128; --x) {
      if (IsCloseBox(window, x, y)) {
        if (right < 0) right = x;
        left = x;
      } else if (right >= 0) {
        break;
      }
    }
    if (right < 0) continue;
    int bottom = y;
    while (bottom + 1 < box.bottom && IsCloseBox(window, (left + right) / 2, bottom + 1)) ++bottom;
    std::printf("%d %d\n", (left + right) / 2, (y + bottom) / 2);
    return 0;
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const HWND found = probe::WaitForWindow(argv[1], probe::TimeoutArgument(argc, argv, 3),
                                          probe::Shown::kOnlyVisible);
  if (found == nullptr) return 1;
  if (std::strcmp(argv[2], "close") == 0) return PrintCloseBox(found);
  return PrintControl(FindControl(found, argv[2]));
}
