#include "jump/win32/decide.h"

#include "framework/gdi.h"
#include "framework/pictures.h"
#include "resource_ids.h"
#include "jump/win32/chooser_texts.h"

namespace vyr {
namespace {

constexpr int kListBoxId = 100;
constexpr int kStripHeight = 40;
constexpr int kButtonGroupWidth = 237;

}  // namespace

bool TForm2::Create(HWND owner) {
  framework::WindowArgs args;
  args.class_name = "TForm2";
  args.title = texts::kChooserCaption;
  args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  args.owner = owner;
  args.x = 10;
  args.y = 10;
  args.width = 463;
  args.height = 331;
  if (!Window::Create(args)) return false;
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(framework::UiFont()), FALSE);
  using framework::CreateControl;
  list_box1_.Attach(CreateControl(
      hwnd(), {"LISTBOX", "", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER,
               0, 0, 100, 100, kListBoxId}));
  list_box1_.SetItemHeight(12);
  bit_btn1_.Attach(CreateControl(hwnd(), {"BUTTON", texts::kChooserGo,
                                          WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 93, 25, IDOK,
                                          framework::BoldUiFont(12)}));
  go_picture_ = framework::LoadPicture(IDB_GO, VYR_PICTURE_KEY_COLOUR, GetSysColor(COLOR_BTNFACE));
  bit_btn1_.SetPicture(go_picture_.get());
  bit_btn2_.Attach(CreateControl(
      hwnd(), {"BUTTON", texts::kChooserCancel, WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 93, 25, IDCANCEL}));
  FormResize();
  return true;
}

std::optional<std::size_t> TForm2::Choose(const std::vector<std::string>& candidates) {
  list_box1_.Clear();
  for (const std::string& candidate : candidates) list_box1_.Add(candidate);
  list_box1_.Select(0);
  FormShow();
  const int result = ShowModal();
  const int selected = list_box1_.Selected();
  if (result != IDOK || selected < 0) return std::nullopt;
  return static_cast<std::size_t>(selected);
}

void TForm2::FormShow() {
  Show();
  // In front of other programs, also when we live in the tray.
  BringWindowToTop(hwnd());
  SetForegroundWindow(hwnd());
  list_box1_.Focus();
}

void TForm2::FormResize() {
  const RECT client = ClientRect();
  const int width = client.right;
  const int height = client.bottom;
  list_box1_.Move(0, 0, width, height - kStripHeight);
  const int group = width - kButtonGroupWidth;
  bit_btn1_.Move(group + 24, height - kStripHeight + 8, 93, 25);
  bit_btn2_.Move(group + 132, height - kStripHeight + 8, 93, 25);
}

LRESULT TForm2::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      FormResize();
      return 0;
    default:
      return Window::OnMessage(message, wparam, lparam);
  }
}

void TForm2::OnCommand(int id, int code) {
  if (id == kListBoxId && code == LBN_DBLCLK) {
    ListBox1DblClick();
    return;
  }
  Window::OnCommand(id, code);  // GO! and Cancel, Enter and Esc
}

}  // namespace vyr
