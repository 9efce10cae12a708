#include "index/win32/scan_progress_window.h"

#include <algorithm>
#include <cstring>

#include "framework/framework_texts.h"
#include "framework/gdi.h"
#include "index/index_texts.h"
#include "index/win32/scan_progress_texts.h"

namespace vyr {
namespace {

constexpr int kClientWidth = 382;
constexpr int kClientHeight = 118;
// About thirty pictures a second: painting every directory of a million
// would take longer than the walk itself.
constexpr DWORD kPaintInterval = 33;

}  // namespace

bool TForm5::Create() {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
  framework::WindowArgs args;
  args.class_name = "TForm5";
  args.style = WS_POPUP;
  args.ex_style = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  args.x = left;
  args.y = top;
  args.width = kClientWidth;
  args.height = kClientHeight;
  if (!Window::Create(args)) return false;
  using framework::ControlArgs;
  using framework::CreateControl;
  const HWND me = hwnd();
  HFONT label_font = framework::FaceFont(framework::texts::kUiFontName, 13);
  HFONT bold = framework::FaceFont(framework::texts::kUiFontName, 13, {.bold = true});
  // The panel with its lowered bevel fills the window.
  CreateControl(me, {"STATIC", "", SS_SUNKEN, 0, 0, kClientWidth, kClientHeight, 0, label_font,
                     WS_EX_STATICEDGE});
  // The first line is laid out by the widths its texts take in the font that
  // draws them, which may be a wider substitute of the designed face.
  const int drive_width = framework::TextWidth(me, bold, texts::kProgressDrive);
  const int letter_left = std::max(114, 70 + drive_width + 2);
  const int rest_left = std::max(156, letter_left + 33 + 2);
  CreateControl(me, {"STATIC", texts::kProgressDrive, 0, 70, 17, drive_width, 16, 0, bold});
  label4_.Attach(CreateControl(me, {"STATIC", "", SS_CENTER, letter_left, 8, 33, 33, 0,
                                    framework::FaceFont("Times New Roman", 32)}));
  CreateControl(me, {"STATIC", texts::kProgressScanning, 0, rest_left, 17,
                     framework::TextWidth(me, bold, texts::kProgressScanning), 16, 0, bold});
  label2_.Attach(CreateControl(me, {"STATIC", "", SS_LEFT, 12, 44, 356, 25, 0, label_font}));
  label5_.Attach(CreateControl(me, {"STATIC", "", SS_CENTER, 127, 74, 129, 15, 0, label_font}));
  progress_bar1_.Attach(
      CreateControl(me, {PROGRESS_CLASSA, "", PBS_SMOOTH, 12, 92, 356, 16, 0, nullptr}));
  progress_bar1_.SetRange(100);
  return true;
}

void TForm5::SetDriveLetter(char upper_letter) { label4_.SetText(std::string(1, upper_letter)); }

void TForm5::SetBarRange(int maximum, bool visible) {
  progress_bar1_.SetRange(maximum);
  progress_bar1_.Show(visible);
}

void TForm5::Show() {
  last_paint_ = 0;
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm5::ShowProgress() {
  const DWORD now = GetTickCount();
  if (last_paint_ != 0 && now - last_paint_ < kPaintInterval) return;
  last_paint_ = now;
  PaintNow();
}

void TForm5::PaintNow() {
  label2_.SetText(path_text_);
  label5_.SetText(count_text_);
  progress_bar1_.SetPosition(bar_position_);
  UpdateWindow(hwnd());
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TForm5::SetBusyCursor(bool busy) {
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(busy ? IDC_WAIT : IDC_ARROW)));
}

LRESULT TForm5::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETCURSOR:
      if (scanning_()) {
        SetBusyCursor(true);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace vyr
