#include "framework/window.h"

#include <shellapi.h>

#include <set>
#include <string>

#include "framework/scoped_handles.h"

namespace vyr::framework {

WindowArgs CentredDialogArgs(const char* class_name, std::string title, int client_width,
                             int client_height, HWND owner) {
  RECT frame = {0, 0, client_width, client_height};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  WindowArgs args;
  args.class_name = class_name;
  args.title = std::move(title);
  args.style = style;
  args.ex_style = WS_EX_DLGMODALFRAME;
  args.owner = owner;
  args.width = frame.right - frame.left;
  args.height = frame.bottom - frame.top;
  args.x = (GetSystemMetrics(SM_CXSCREEN) - args.width) / 2;
  args.y = (GetSystemMetrics(SM_CYSCREEN) - args.height) / 2;
  return args;
}
namespace {

bool DialogKeys(MSG& msg) {
  HWND active = GetActiveWindow();
  if (active == nullptr) return false;
  return Window::OfferKey(active, msg) || IsDialogMessageW(active, &msg);
}

POINT ContextMenuPoint(LPARAM lparam) {
  POINT at = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  // From the keyboard (Shift+F10, the menu key) the point is -1, -1.
  if (at.x == -1 && at.y == -1) GetCursorPos(&at);
  return at;
}

}  // namespace

Window::~Window() {
  if (HWND window = hwnd()) {
    // The derived parts are gone: no message may reach them any more.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    SetHandle(nullptr);
    DestroyWindow(window);
  }
}

bool Window::Create(const WindowArgs& args, Ending ending) {
  static std::set<std::string> registered;
  ending_ = ending;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (registered.insert(args.class_name).second) {
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = Procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    window_class.hbrBackground = args.background;
    window_class.hIcon = args.icon;
    window_class.hIconSm = args.icon;
    window_class.lpszClassName = args.class_name;
    RegisterClassExA(&window_class);
  }
  CreateWindowExA(args.ex_style, args.class_name, args.title.c_str(), args.style, args.x, args.y,
                  args.width, args.height, args.owner, nullptr, instance, this);
  return hwnd() != nullptr;
}

int Window::ShowModal() {
  // Asked again while it is up (a tray menu and the hot keys still work
  // then), it refuses: a nested loop's end would end the outer one too.
  if (modal_) return IDCANCEL;
  HWND owner = GetWindow(hwnd(), GW_OWNER);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  modal_ = true;
  modal_result_ = IDCANCEL;
  Show();
  while (modal_ && hwnd() != nullptr && PumpOneMessage()) {
  }
  modal_ = false;
  if (owner != nullptr) EnableWindow(owner, TRUE);
  if (hwnd() != nullptr) Hide();
  if (owner != nullptr) SetActiveWindow(owner);
  return modal_result_;
}

void Window::CloseWith(int result) {
  if (!OnCloseQuery()) return;
  if (modal_) {
    modal_result_ = result;
    modal_ = false;
  } else if (ending_ == Ending::kDestroy) {
    DestroyWindow(hwnd());
  } else {
    Hide();
  }
}

bool Window::OfferKey(HWND active, const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.hwnd != active && !IsChild(active, msg.hwnd)) return false;
  // Only our own windows carry an object; a message box or a dialog of the
  // platform keeps its own use of the user data.
  const auto procedure = static_cast<ULONG_PTR>(GetClassLongPtrA(active, GCLP_WNDPROC));
  if (procedure != reinterpret_cast<ULONG_PTR>(&Procedure)) return false;
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(active, GWLP_USERDATA));
  return window != nullptr && window->OnKeyPreview(static_cast<UINT>(msg.wParam));
}

void Window::OnCommand(int id, int) {
  if (id == IDOK || id == IDCANCEL) CloseWith(id);
}

LRESULT Window::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return Dispatch(message, wparam, lparam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(ContextMenuPoint(lparam));
      return 0;
    case WM_CLOSE:
      CloseWith(IDCANCEL);
      return 0;
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wparam));
      return 0;
    case WM_HOTKEY:
      OnHotKey(static_cast<int>(wparam));
      return 0;
    case WM_DROPFILES: {
      ScopedDrop drop(reinterpret_cast<HDROP>(wparam));
      OnDropFiles(DroppedPaths(drop.get()));
      return 0;
    }
    default:
      return Default(message, wparam, lparam);
  }
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    window->SetHandle(hwnd);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  const LRESULT result = window->OnMessage(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    // The last message of the window: the object forgets it, so it never
    // holds a dead handle, and a later message finds no object.
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window->SetHandle(nullptr);
    window->modal_ = false;
  }
  return result;
}

std::vector<std::string> DroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT k = 0; k < count; ++k) {
    const UINT length = DragQueryFileA(drop, k, nullptr, 0);
    std::string path(length + 1, '\0');
    const UINT got = DragQueryFileA(drop, k, path.data(), length + 1);
    path.resize(got <= length ? got : length);
    paths.push_back(std::move(path));
  }
  return paths;
}

bool PumpOneMessage() {
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
  }
  if (!DialogKeys(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void ProcessWaitingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!DialogKeys(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (DialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace vyr::framework
