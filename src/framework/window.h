// A window of our own, bound once to its HWND: every message goes to a
// member function, the common ones unpacked into typed handlers.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/window_handle.h"

namespace vyr::framework {

struct WindowArgs {
  const char* class_name = "VyrWindow";
  std::string title;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD ex_style = 0;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND owner = nullptr;
  HICON icon = nullptr;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
};

// A fixed dialog frame with only the close box, centred on the screen,
// sized so that its client area is `client_width` x `client_height`.
WindowArgs CentredDialogArgs(const char* class_name, std::string title, int client_width,
                             int client_height, HWND owner);

// What the closing of a window does once its close query has agreed. A
// modal window always ends its loop instead, with the result it was closed
// with.
enum class Ending {
  kHide,     // a window of the program that is shown again later
  kDestroy,  // the main window: its end is the program's
};

class Window : public WindowHandle {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  bool Create(const WindowArgs& args, Ending ending = Ending::kHide);

  // Runs a modal loop until the window is closed: the owner takes no input
  // meanwhile. The result is the one the window was closed with.
  int ShowModal();
  bool InModal() const { return modal_; }

  // A key pressed in `active` (the active window) or in any of its
  // controls, offered to the window first when it is one of ours; true when
  // the window took it, and then nothing else may see it. The message loops
  // call it before the dialog keys.
  static bool OfferKey(HWND active, const MSG& msg);

  // The one way a window is closed, whatever asked for it (the close box,
  // Esc, OK, Cancel, the program): the close query, then the end of a modal
  // loop with `result`, or the window's Ending.
  void CloseWith(int result);

 protected:
  // The dispatcher of each window: one case per message, one handler each.
  // What a window does not handle itself goes here, to the typed handlers
  // and then to the platform.
  virtual LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(hwnd(), message, wparam, lparam);
  }

  // WM_COMMAND from a control or a menu. OK and Cancel (Enter and Esc in a
  // window with such buttons) close the window with that result.
  virtual void OnCommand(int id, int code);
  // The context menu wanted at a point of the screen; asked for from the
  // keyboard, at the mouse pointer.
  virtual void OnContextMenu(POINT) {}
  // A key (WM_KEYDOWN) pressed anywhere in the window, before the focused
  // control and the dialog keys see it: a shortcut of the whole window. The
  // modifiers are GetKeyState's. True when taken.
  virtual bool OnKeyPreview(UINT) { return false; }
  // Whether the window may close now.
  virtual bool OnCloseQuery() { return true; }
  virtual void OnTimer(UINT_PTR) {}
  virtual void OnHotKey(int) {}
  // Files dropped on the window, as full paths; the drop is released
  // whatever the handler does.
  virtual void OnDropFiles(const std::vector<std::string>&) {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);

  Ending ending_ = Ending::kHide;
  bool modal_ = false;
  int modal_result_ = 0;
};

// The paths of every file of a drop, each read whole whatever its length.
std::vector<std::string> DroppedPaths(HDROP drop);

// The program's message loop: the wide functions, so that typed Japanese
// reaches the ANSI windows as correct Shift-JIS; a key offered to the active
// window first (Window::OfferKey), then the dialog keys (Tab, Enter, Esc)
// through IsDialogMessageW for it.
int RunMessageLoop();
// One round of the loop; false when WM_QUIT arrived.
bool PumpOneMessage();
// The messages waiting in the queue, run as the loop runs them; returns as
// soon as the queue is empty, never waiting for one. A WM_QUIT met on the
// way is posted again for the loop that ends on it.
void ProcessWaitingMessages();

}  // namespace vyr::framework
