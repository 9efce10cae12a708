#include "framework/window.h"

#include <set>
#include <string>

namespace vyr::framework {
namespace {

bool DialogKeys(MSG& msg) {
  HWND active = GetActiveWindow();
  return active != nullptr && IsDialogMessageW(active, &msg);
}

}  // namespace

Window::~Window() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::Create(const WindowArgs& args) {
  static std::set<std::string> registered;
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
  return hwnd_ != nullptr;
}

void Window::SetText(std::string_view text) { SetWindowTextA(hwnd_, std::string(text).c_str()); }

RECT Window::Bounds() const {
  RECT rect = {};
  GetWindowRect(hwnd_, &rect);
  return rect;
}

void Window::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::ShowModal() {
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  modal_ = true;
  modal_result_ = IDCANCEL;
  Show();
  while (modal_ && PumpOneMessage()) {
  }
  if (owner != nullptr) EnableWindow(owner, TRUE);
  Hide();
  if (owner != nullptr) SetActiveWindow(owner);
  return modal_result_;
}

void Window::EndModal(int result) {
  modal_result_ = result;
  modal_ = false;
}

LRESULT Window::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return Default(message, wparam, lparam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  return window->OnMessage(message, wparam, lparam);
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
