#include "desktop/win32/mini_window_form.h"

#include <imm.h>

#include <algorithm>

#include "desktop/win32/mini_window_texts.h"
#include "framework/gdi.h"
#include "ui/win32/keep_in_work_area.h"

namespace vyr {
namespace {

constexpr int kLabelWidth = 34;
constexpr int kLabelHeight = 12;
constexpr int kComboBoxLeft = 44;
constexpr int kComboBoxWidth = 293;
constexpr int kRightMargin = 2;
constexpr int kVisibleRows = 16;
constexpr int kItemHeight = 12;
constexpr int kComboBoxId = 101;

// Only a system whose locale types through an input method editor has one
// worth closing.
bool FarEastLocale() {
  if (GetSystemMetrics(SM_DBCSENABLED) != 0) return true;
  switch (GetACP()) {
    case 932:
    case 936:
    case 949:
    case 950:
      return true;
    default:
      return false;
  }
}

void CloseInputMethod(HWND window) {
  HIMC context = ImmGetContext(window);
  if (context == nullptr) return;
  ImmSetOpenStatus(context, FALSE);
  ImmReleaseContext(window, context);
}

}  // namespace

bool TForm4::Create(HWND owner, HICON icon) {
  framework::WindowArgs args;
  args.class_name = "TForm4";
  args.title = texts::kMiniWindowCaption;
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
  args.owner = owner;
  args.x = 300;
  args.y = 300;
  args.width = 250;
  args.height = 60;
  args.icon = icon;
  if (!Window::Create(args)) return false;
  using framework::CreateControl;
  // As wide as its text needs in the font that draws it: a substitute face
  // may be wider than the designed one.
  label_width_ = std::max(kLabelWidth, framework::TextWidth(hwnd(), framework::UiFont(),
                                                            texts::kMiniWindowDestination));
  label1_.Attach(CreateControl(hwnd(), {"STATIC", texts::kMiniWindowDestination, 0, 4, 4,
                                        label_width_, kLabelHeight}));
  combo_box1_.Attach(CreateControl(
      hwnd(), {"COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
               kComboBoxLeft, 0, kComboBoxWidth, 20 + kVisibleRows * kItemHeight, kComboBoxId}));
  combo_box1_.SetVisibleRows(kVisibleRows);
  combo_box1_.SetItemHeight(kItemHeight);
  completion_.Attach(combo_box1_);
  FitToInputBox();
  FormResize();
  return true;
}

// Shown first without taking the activation, then brought to the
// foreground, then the box takes the focus: activated (or focused) while
// another program holds the foreground, the window would be drawn as an
// inactive one and stay so.
void TForm4::ShowInFront() {
  ShowWindow(hwnd(), SW_SHOWNA);
  SetForegroundWindow(hwnd());
  combo_box1_.Focus();
}

void TForm4::ShowHistoryList(const std::vector<std::string>& entries) {
  const std::string text = combo_box1_.Text();
  combo_box1_.Clear();
  for (const std::string& entry : entries) combo_box1_.Add(entry);
  combo_box1_.SetText(text);
}

void TForm4::RegisterHotKey(int id, HotKeyParts parts) {
  ::RegisterHotKey(hwnd(), id, parts.modifiers, parts.key);
}

void TForm4::UnregisterHotKey(int id) { ::UnregisterHotKey(hwnd(), id); }

// Exactly as high as the caption bar, the frame and the input box. The
// height is the one the size limits hold to, so it is set first.
void TForm4::FitToInputBox() {
  const RECT window = Bounds();
  const RECT client = ClientRect();
  const RECT box = combo_box1_.Bounds();
  height_ = (window.bottom - window.top) - client.bottom + (box.bottom - box.top);
  SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left, height_,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm4::FormShow() {
  if (controller_ != nullptr) controller_->OnShown();
  FitToInputBox();
  KeepInWorkArea(*this);
}

void TForm4::FormHide() {
  if (controller_ != nullptr) controller_->OnHidden();
}

void TForm4::FormResize() {
  const RECT client = ClientRect();
  combo_box1_.Move(kComboBoxLeft, 0, std::max(0L, client.right - kComboBoxLeft - kRightMargin),
                   20 + kVisibleRows * kItemHeight);
}

void TForm4::FormGetMinMaxInfo(MINMAXINFO& info) const {
  info.ptMinTrackSize = {label_width_ + 32, height_};
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXSCREEN), height_};
}

void TForm4::ComboBox1KeyPress(char key) {
  if (controller_ == nullptr) return;
  if (combo_box1_.DroppedDown()) {
    combo_box1_.ShowDropDown(false);
    return;
  }
  if (key == '\r') {
    controller_->OnEnter();
  } else if (key == '\x1B') {
    controller_->OnEscape();
  }
}

void TForm4::ComboBox1Focused() {
  if (close_input_method_ && FarEastLocale()) CloseInputMethod(combo_box1_.Edit());
}

void TForm4::OnCommand(int id, int code) {
  switch (id) {
    // Enter and Esc in the box come as the window's OK and Cancel.
    case IDOK:
      ComboBox1KeyPress('\r');
      return;
    case IDCANCEL:
      ComboBox1KeyPress('\x1B');
      return;
    case kComboBoxId:
      if (code == CBN_SETFOCUS) ComboBox1Focused();
      return;
    default:
      return;
  }
}

void TForm4::OnHotKey(int id) {
  if (controller_ != nullptr) controller_->OnHotKey(id);
}

void TForm4::OnDropFiles(const std::vector<std::string>& paths) {
  if (drops_ != nullptr) drops_->OnMiniWindowDrop(paths);
}

LRESULT TForm4::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SHOWWINDOW:
      // lparam 0: shown or hidden by the program itself, not with its owner.
      if (lparam == 0) {
        if (wparam != FALSE) {
          FormShow();
        } else {
          FormHide();
        }
      }
      return Default(message, wparam, lparam);
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) combo_box1_.Focus();
      return 0;
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_GETMINMAXINFO:
      FormGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    default:
      return Window::OnMessage(message, wparam, lparam);
  }
}

}  // namespace vyr
