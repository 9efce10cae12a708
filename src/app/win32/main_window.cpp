#include "app/win32/main_window.h"

#include <commctrl.h>

#include "app/app_texts.h"
#include "app/win32/main_window_texts.h"
#include "base/sjis.h"
#include "framework/application_window.h"
#include "framework/gdi.h"
#include "framework/pictures.h"
#include "resource_ids.h"
#include "platform/volumes.h"
#include "ui/win32/keep_in_work_area.h"

namespace vyr {
namespace {

constexpr int kDesignWidth = 376;
constexpr int kDesignHeight = 79;
constexpr int kTopLineHeight = 21;
constexpr int kLabelStripWidth = 41;
constexpr int kDriveBoxWidth = 149;
constexpr int kButtonWidth = 65;
constexpr int kButtonHeight = 20;
constexpr int kButtonGroupWidth = 206;

constexpr int kComboBoxId = 101;
constexpr int kDriveBoxId = 102;
constexpr int kScanButtonId = 103;

}  // namespace

bool TForm1::Create(HICON icon) {
  framework::WindowArgs args;
  args.class_name = "TForm1";
  args.title = texts::kApplicationTitle;
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
  args.ex_style = WS_EX_TOOLWINDOW | WS_EX_APPWINDOW;
  args.x = 10;
  args.y = 10;
  args.width = kDesignWidth;
  args.height = kDesignHeight;
  args.icon = icon;
  fixed_height_ = kDesignHeight - 3;
  if (!Window::Create(args, framework::Ending::kDestroy)) return false;
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(framework::UiFont()), FALSE);
  CreateControls();
  BuildMenus();
  SetWindowPos(hwnd(), nullptr, 0, 0, kDesignWidth, fixed_height_, SWP_NOMOVE | SWP_NOZORDER);
  // This window owns the program's task-bar button, which tray mode hides.
  framework::SetApplicationWindow(hwnd());
  task_bar1_.SetTips(texts::kApplicationTitle);
  task_bar1_.SetOnMenuChoice([this](framework::PopupMenu& menu, int tag) {
    OnTrayMenuChoice(&menu == &pop_launch_ ? TrayMenu::kLaunch : TrayMenu::kHistory, tag);
  });
  return true;
}

void TForm1::CreateControls() {
  using framework::CreateControl;
  const HWND me = hwnd();
  // The label takes the width its text needs in the font that draws it (a
  // substitute face may be wider than the designed one).
  label_width_ = framework::TextWidth(me, framework::UiFont(), texts::kDestination);
  strip_width_ = std::max<int>(kLabelStripWidth, label_width_ + 4);
  label1_.Attach(CreateControl(me, {"STATIC", texts::kDestination, 0, 4, 4, label_width_, 14}));
  combo_box1_.Attach(CreateControl(
      me, {"COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, strip_width_ + 4, 1, 313,
           20 + 16 * 14, kComboBoxId}));
  combo_box1_.SetVisibleRows(16);
  input_completion_.Attach(combo_box1_);
  drive_box1_.Attach(CreateControl(
      me, {WC_COMBOBOXEXA, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 4, kTopLineHeight + 3,
           kDriveBoxWidth, 200, kDriveBoxId, framework::FixedFont()}));
  drive_box1_.SetPictures(
      framework::LoadPictureStrip(IDB_DRIVES, VYR_DRIVE_IMAGE_SIZE, VYR_PICTURE_KEY_COLOUR));
  button1_.Attach(CreateControl(me, {"BUTTON", "GO", BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                                     kTopLineHeight + 3, kButtonWidth, kButtonHeight, IDOK}));
  button2_.Attach(CreateControl(me, {"BUTTON", "Scan", BS_PUSHBUTTON | WS_TABSTOP, 0,
                                     kTopLineHeight + 3, kButtonWidth, kButtonHeight,
                                     kScanButtonId}));
  framework::AddHint(me, drive_box1_.hwnd(), texts::kDriveBoxHint);
  framework::AddHint(me, button1_.hwnd(), "GO!");
  framework::AddHint(me, button2_.hwnd(), texts::kScanHint);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  go_picture_ = framework::LoadPicture(IDB_GO, VYR_PICTURE_KEY_COLOUR, face);
  scan_picture_ = framework::LoadPicture(IDB_SCAN, VYR_PICTURE_KEY_COLOUR, face);
  button1_.SetPicture(go_picture_.get());
  button2_.SetPicture(scan_picture_.get());
  // Tab goes GO, Scan, drive box, input box.
  SetWindowPos(button2_.hwnd(), button1_.hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(drive_box1_.hwnd(), button2_.hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(combo_box1_.hwnd(), drive_box1_.hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm1::BuildMenus() {
  pop_main_.Add({texts::kHideInTaskBar, "", kHideTag});
  pop_main_.Add({"-"});
  pop_main_.Add({texts::kSettingsItem, "", kSettingsTag});
  pop_main_.AddSubmenu(texts::kScanMenuItem, pop_scan_);
  pop_main_.Add({"-"});
  pop_main_.Add({texts::kHelpContents, "F1", kHelpContentsTag});
  pop_main_.Add({texts::kOperatingInstructions, "", kInstructionsTag});
  pop_main_.Add({texts::kAboutItem, "", kAboutTag});

  pop_launch_.Add({texts::kStopHiding, "", kStopHidingTag});
  pop_launch_.Add({"-"});
  pop_launch_help_.Add({texts::kHelpContents, "F1", kHelpContentsTag});
  pop_launch_help_.Add({texts::kOperatingInstructions, "", kInstructionsTag});
  pop_launch_help_.Add({texts::kAboutFromTray, "", kAboutFromTrayTag});
  pop_launch_.AddSubmenu(texts::kHelpMenu, pop_launch_help_);
  pop_launch_.Add({texts::kSettingsItem, "", kSettingsTag});
  pop_launch_.Add({texts::kExitItem, "", kExitTag});
}

void TForm1::ShowHistory(const std::vector<std::string>& entries) {
  const std::string text = combo_box1_.Text();
  combo_box1_.Clear();
  for (const std::string& entry : entries) combo_box1_.Add(entry);
  combo_box1_.SetText(text);
}

namespace {

int PictureOf(platform::DriveType type) {
  switch (type) {
    case platform::DriveType::kRemovable: return VYR_DRIVE_IMAGE_REMOVABLE;
    case platform::DriveType::kFixed: return VYR_DRIVE_IMAGE_FIXED;
    case platform::DriveType::kNetwork: return VYR_DRIVE_IMAGE_NETWORK;
    case platform::DriveType::kCdRom: return VYR_DRIVE_IMAGE_CDROM;
    case platform::DriveType::kRamDisk: return VYR_DRIVE_IMAGE_RAMDISK;
    default: return VYR_DRIVE_IMAGE_UNKNOWN;
  }
}

}  // namespace

void TForm1::FillDriveBox(const std::vector<DriveBoxEntry>& entries) {
  drive_box1_.Clear();
  for (std::size_t k = 0; k < entries.size(); ++k) {
    drive_box1_.Insert(static_cast<int>(k), entries[k].text, PictureOf(entries[k].type));
  }
}

void TForm1::FillScanMenu(const std::vector<std::string>& captions) {
  pop_scan_.Clear();
  for (std::size_t k = 0; k < captions.size(); ++k) {
    pop_scan_.Add({captions[k], "", kScanTag + static_cast<int>(k)});
  }
}

void TForm1::PlaceWindows(const SettingsValues& values) {
  Move(values.main_left, values.main_top, values.main_width, fixed_height_);
  if (chooser_ != nullptr) {
    chooser_->Move(values.chooser_left, values.chooser_top, values.chooser_width,
                   values.chooser_height);
  }
  if (mini_ != nullptr) {
    const RECT mini = mini_->Bounds();
    mini_->Move(values.mini_left, values.mini_top, values.mini_width, mini.bottom - mini.top);
  }
  KeepInWorkArea(*this);
  if (chooser_ != nullptr) KeepInWorkArea(*chooser_);
  if (mini_ != nullptr) KeepInWorkArea(*mini_);
}

void TForm1::TakePlacement(SettingsValues& values) const {
  const RECT main = Bounds();
  values.main_top = main.top;
  values.main_left = main.left;
  values.main_width = main.right - main.left;
  if (chooser_ != nullptr) {
    const RECT chooser = chooser_->Bounds();
    values.chooser_top = chooser.top;
    values.chooser_left = chooser.left;
    values.chooser_width = chooser.right - chooser.left;
    values.chooser_height = chooser.bottom - chooser.top;
  }
  if (mini_ != nullptr) {
    const RECT mini = mini_->Bounds();
    values.mini_top = mini.top;
    values.mini_left = mini.left;
    values.mini_width = mini.right - mini.left;
  }
}

void TForm1::FormResize() {
  RECT window = Bounds();
  fixed_height_ = window.bottom - window.top;
  const RECT client = ClientRect();
  combo_box1_.Move(strip_width_ + 4, 1, std::max(0L, client.right - strip_width_ - 8), 20 + 16 * 14);
  const int group = client.right - kButtonGroupWidth;
  button1_.Move(group + 68, kTopLineHeight + 3, kButtonWidth, kButtonHeight);
  button2_.Move(group + 136, kTopLineHeight + 3, kButtonWidth, kButtonHeight);
}

void TForm1::FormGetMinMaxInfo(MINMAXINFO& info) const {
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXSCREEN), fixed_height_};
  info.ptMinTrackSize = {kDriveBoxWidth + 2 * kButtonWidth + 20, fixed_height_};
}

void TForm1::FormPaint() {
  if (application_ != nullptr) application_->OnPaint();
}

bool TForm1::OnCloseQuery() {
  FormCloseQuery();
  return true;
}

void TForm1::FormCloseQuery() {
  if (application_ != nullptr) application_->OnCloseQuery();
}

void TForm1::OnDropFiles(const std::vector<std::string>& paths) {
  if (application_ != nullptr) application_->OnMainWindowDrop(paths);
}

// The session ends without a close of the window: the settings are saved
// when it is announced, since after WM_ENDSESSION the process may be ended
// at any moment. A session end that is called off leaves the run as it was.
LRESULT TForm1::OnQueryEndSession() {
  if (application_ != nullptr) application_->SaveSettings();
  return TRUE;
}

void TForm1::OnEndSession(bool ending) {
  if (ending) DestroyWindow(hwnd());
}

void TForm1::OnCommand(int id, int code) {
  if (application_ == nullptr) return;
  switch (id) {
    case IDOK:  // GO, and Enter in the input box
      if (combo_box1_.DroppedDown()) {
        combo_box1_.ShowDropDown(false);
        return;
      }
      application_->Go();
      return;
    case IDCANCEL:  // Esc
      if (combo_box1_.DroppedDown()) {
        combo_box1_.ShowDropDown(false);
        return;
      }
      application_->OnEscape();
      return;
    case kScanButtonId:
      application_->ScanShownDrive();
      return;
    case kDriveBoxId:
      if (code == CBN_SELCHANGE && drive_box1_.Selected() >= 0) {
        application_->OnDriveBoxPick(static_cast<std::size_t>(drive_box1_.Selected()));
      }
      return;
    default:
      return;
  }
}

void TForm1::PopMainPopup(POINT at) {
  const int tag = pop_main_.Track(hwnd(), at);
  if (OpenHelpItem(tag)) return;
  switch (tag) {
    case kAboutTag:
      ShowAbout();
      return;
    case kHideTag:
      if (application_ != nullptr) application_->tray_mode().Enter();
      return;
    case kSettingsTag:
      if (application_ != nullptr) application_->settings_dialog().Open();
      return;
    default:
      if (tag >= kScanTag && application_ != nullptr) {
        application_->ScanFromMenu(static_cast<std::size_t>(tag - kScanTag));
      }
      return;
  }
}

void TForm1::OpenHelp(const char* page) const {
  shell_.OpenPage(platform::ProgramDirectory() + page);
}

bool TForm1::OpenHelpItem(int tag) const {
  switch (tag) {
    case kHelpContentsTag:
      OpenHelp(kHelpContentsPage);
      return true;
    case kInstructionsTag:
      OpenHelp(kInstructionsPage);
      return true;
    default:
      return false;
  }
}

void TForm1::ShowAbout() {
  if (about_ != nullptr) about_->ShowAbout();
}

LRESULT TForm1::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_GETMINMAXINFO:
      FormGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) combo_box1_.Focus();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(hwnd(), &paint);
      EndPaint(hwnd(), &paint);
      FormPaint();
      return 0;
    }
    case WM_HELP:
      OpenHelp(kHelpContentsPage);
      return TRUE;
    case WM_QUERYENDSESSION:
      return OnQueryEndSession();
    case WM_ENDSESSION:
      OnEndSession(wparam != FALSE);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return Window::OnMessage(message, wparam, lparam);
  }
}

}  // namespace vyr
