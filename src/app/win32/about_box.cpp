#include "app/win32/about_box.h"

#include "framework/gdi.h"
#include "framework/pictures.h"
#include "platform/volumes.h"
#include "resource_ids.h"

namespace vyr {
namespace {

constexpr int kClientWidth = 498;
constexpr int kClientHeight = 309;
constexpr int kLinkId = 200;
constexpr int kPanelId = 201;

}  // namespace

bool TForm3::Create(HWND owner) {
  const framework::WindowArgs args =
      framework::CentredDialogArgs("TForm3", "About Vyr", kClientWidth, kClientHeight, owner);
  if (!Window::Create(args)) return false;
  using framework::CreateControl;
  const HWND me = hwnd();
  shell_.SetOwner(me);
  HFONT font = framework::UiFont();
  // The black panel: a plain static, painted black like the labels on it.
  CreateControl(me, {"STATIC", "", 0, 4, 4, 489, 269, kPanelId, font});
  HWND image = CreateControl(me, {"STATIC", "", SS_BITMAP | SS_CENTERIMAGE, 202, 40, 93, 93, 0, font});
  // The static draws the picture and does not own it: the box keeps it.
  picture_ = framework::LoadPicture(IDB_ABOUT, RGB(0, 0, 0), RGB(0, 0, 0));
  if (picture_) {
    SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
  }
  CreateControl(me, {"STATIC", "since 1996", SS_CENTER, 150, 150, 196, 16, 0, font});
  CreateControl(me, {"STATIC", "Contact me to:", 0, 20, 220, 200, 16, 0, font});
  // A long program folder is cut in the middle on the screen, on one line;
  // the caption, which the click opens, stays whole.
  const std::string help = platform::ProgramDirectory() + "html\\index.html";
  link_.Attach(CreateControl(me, {"STATIC", help, SS_NOTIFY | SS_PATHELLIPSIS, 20, 240, 460, 16,
                                  kLinkId, framework::FaceFont("Arial", 13, {.underline = true})}));
  CreateControl(me, {"BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 212, 279, 75, 25, IDOK,
                     framework::BoldUiFont(12)});
  return true;
}

void TForm3::LinkClick() {
  shell_.Open(link_.Text());
}

void TForm3::OnCommand(int id, int code) {
  if (id == kLinkId && code == STN_CLICKED) {
    LinkClick();
    return;
  }
  Window::OnCommand(id, code);  // OK, and Esc: the box closes
}

LRESULT TForm3::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      const bool link = reinterpret_cast<HWND>(lparam) == link_.hwnd();
      SetTextColor(dc, link ? RGB(255, 255, 0) : RGB(255, 255, 255));
      SetBkColor(dc, RGB(0, 0, 0));
      return reinterpret_cast<LRESULT>(black_.get());
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == link_.hwnd()) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace vyr
