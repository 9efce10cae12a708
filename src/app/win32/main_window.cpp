#include "app/win32/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/app_texts.h"
#include "app/win32/main_window_texts.h"
#include "base/sjis.h"
#include "framework/gdi.h"
#include "framework/pictures.h"
#include "resource_ids.h"
#include "jump/completion.h"
#include "platform/volumes.h"

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

// Menu tags of the context menu; the drive-scan menu's items follow kScanTag.
enum MenuTag {
  kHideTag = 1,
  kSettingsTag,
  kHelpContentsTag,
  kInstructionsTag,
  kAboutTag,
  kStopHidingTag,
  kAboutFromTrayTag,
  kExitTag,
  kScanTag = 500,
};

// The work-area clamp: the horizontal test against the work area's left
// edge, the vertical one against 0.
void ClampToWorkArea(HWND window) {
  RECT area = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  RECT rect = {};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  int left = rect.left;
  int top = rect.top;
  if (area.right - width < left) {
    left = area.right - width;
  } else if (left < area.left) {
    left = area.left;
  }
  if (area.bottom - height < top) {
    top = area.bottom - height;
  } else if (top < 0) {
    top = area.top;
  }
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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
  if (!Window::Create(args)) return false;
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(framework::UiFont()), FALSE);
  CreateControls();
  BuildMenus();
  SetWindowPos(hwnd(), nullptr, 0, 0, kDesignWidth, fixed_height_, SWP_NOMOVE | SWP_NOZORDER);
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
  drive_box1_.Attach(CreateControl(
      me, {WC_COMBOBOXEXA, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 4, kTopLineHeight + 3,
           kDriveBoxWidth, 200, kDriveBoxId, framework::FixedFont()}));
  if (HIMAGELIST pictures = framework::LoadPictureStrip(IDB_DRIVES, VYR_DRIVE_IMAGE_SIZE,
                                                        VYR_PICTURE_KEY_COLOUR)) {
    SendMessageA(drive_box1_.hwnd(), CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures));
  }
  button1_.Attach(CreateControl(me, {"BUTTON", "GO", BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                                     kTopLineHeight + 3, kButtonWidth, kButtonHeight, IDOK}));
  button2_.Attach(CreateControl(me, {"BUTTON", "Scan", BS_PUSHBUTTON | WS_TABSTOP, 0,
                                     kTopLineHeight + 3, kButtonWidth, kButtonHeight,
                                     kScanButtonId}));
  framework::AddHint(me, drive_box1_.hwnd(), texts::kDriveBoxHint);
  framework::AddHint(me, button1_.hwnd(), "GO!");
  framework::AddHint(me, button2_.hwnd(), texts::kScanHint);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  button1_.SetPicture(framework::LoadPicture(IDB_GO, VYR_PICTURE_KEY_COLOUR, face));
  button2_.SetPicture(framework::LoadPicture(IDB_SCAN, VYR_PICTURE_KEY_COLOUR, face));
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
    std::string text = entries[k].text;
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<INT_PTR>(k);
    item.pszText = text.data();
    item.iImage = item.iSelectedImage = PictureOf(entries[k].type);
    SendMessageA(drive_box1_.hwnd(), CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void TForm1::FillScanMenu(const std::vector<std::string>& captions) {
  pop_scan_.Clear();
  for (std::size_t k = 0; k < captions.size(); ++k) {
    pop_scan_.Add({captions[k], "", kScanTag + static_cast<int>(k)});
  }
}

void TForm1::PlaceWindows(const SettingsValues& values) {
  SetWindowPos(hwnd(), nullptr, values.main_left, values.main_top, values.main_width,
               fixed_height_, SWP_NOZORDER | SWP_NOACTIVATE);
  if (chooser_ != nullptr) {
    chooser_->SetBounds(values.chooser_left, values.chooser_top, values.chooser_width,
                        values.chooser_height);
  }
  if (mini_ != nullptr) {
    const RECT mini = mini_->Bounds();
    mini_->SetBounds(values.mini_left, values.mini_top, values.mini_width, mini.bottom - mini.top);
  }
  ClampToWorkArea(hwnd());
  if (chooser_ != nullptr) ClampToWorkArea(chooser_->hwnd());
  if (mini_ != nullptr) ClampToWorkArea(mini_->hwnd());
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
  RECT client = {};
  GetClientRect(hwnd(), &client);
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

void TForm1::FormCloseQuery() {
  if (application_ != nullptr) application_->OnCloseQuery();
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
  switch (tag) {
    case kHelpContentsTag:
      OpenHelp("html\\index.html");
      return;
    case kInstructionsTag:
      OpenHelp("html\\index2.html");
      return;
    case kAboutTag:
      ShowAbout();
      return;
    default:
      if (tag >= kScanTag && application_ != nullptr) {
        application_->ScanFromMenu(static_cast<std::size_t>(tag - kScanTag));
      }
      return;
  }
}

void TForm1::OpenHelp(const char* page) const {
  const std::string path = platform::ProgramDirectory() + page;
  ShellExecuteA(hwnd(), "Open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::ShowAbout() {
  if (about_ != nullptr) about_->ShowModal();
}

void TForm1::SetCompletion(bool on) {
  // The input box is subclassed only while completion is on: a subclass sees
  // the typed characters as UTF-16, and passing them on converts them with
  // the keyboard's code page, which would spoil typed Japanese otherwise.
  if (on == completion_) return;
  completion_ = on;
  if (on) {
    SetWindowSubclass(combo_box1_.Edit(), InputBoxProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
  } else {
    RemoveWindowSubclass(combo_box1_.Edit(), InputBoxProcedure, 1);
  }
}

// Completion from the history as the user types. The character comes as
// UTF-16 (the subclass is a wide one) and is taken to Shift-JIS whole.
bool TForm1::CompleteTyped(WPARAM character) {
  const auto wide = static_cast<wchar_t>(character);
  char bytes[4] = {};
  const int length = WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, nullptr, nullptr);
  if (length <= 0) return false;
  int start = 0;
  int end = 0;
  combo_box1_.GetEditSelection(start, end);
  std::vector<std::string> entries;
  for (int k = 0; k < combo_box1_.Count(); ++k) entries.push_back(combo_box1_.Item(k));
  const auto completed = Complete(combo_box1_.Text(), static_cast<std::size_t>(start),
                                  static_cast<std::size_t>(end - start),
                                  std::string(bytes, static_cast<std::size_t>(length)), entries);
  if (!completed) return false;
  combo_box1_.Select(static_cast<int>(completed->entry));
  combo_box1_.SetText(completed->text);
  combo_box1_.SetEditSelection(
      static_cast<int>(completed->selection_start),
      static_cast<int>(completed->selection_start + completed->selection_length));
  return true;
}

LRESULT CALLBACK TForm1::InputBoxProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                           UINT_PTR, DWORD_PTR data) {
  auto* form = reinterpret_cast<TForm1*>(data);
  if (message == WM_CHAR && form->completion_ && wparam != 0x08 && wparam != 0x09 &&
      wparam != 0x1B && wparam != 0x0D && form->CompleteTyped(wparam)) {
    return 0;
  }
  return DefSubclassProc(edit, message, wparam, lparam);
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
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CONTEXTMENU: {
      POINT at = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      if (at.x == -1 && at.y == -1) GetCursorPos(&at);
      PopMainPopup(at);
      return 0;
    }
    case WM_HELP:
      OpenHelp("html\\index.html");
      return TRUE;
    case WM_CLOSE:
      FormCloseQuery();
      DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return Default(message, wparam, lparam);
  }
}

}  // namespace vyr
