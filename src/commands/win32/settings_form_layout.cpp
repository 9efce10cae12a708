// The settings dialog's making and placing: its controls, its tabs, its
// context menu, and where each control stands at every size.
#include <algorithm>
#include <iterator>

#include "commands/win32/commands_window_texts.h"
#include "commands/win32/settings_form.h"
#include "commands/win32/settings_form_design.h"
#include "commands/win32/settings_form_texts.h"
#include "framework/gdi.h"
#include "framework/pictures.h"
#include "resource_ids.h"

namespace vyr {
namespace {

using settings_form::ContextItem;
using settings_form::kCheckBoxes;
using settings_form::kPopupMenu1;
using settings_form::kSmallButtons;
using settings_form::SmallButton;

constexpr int kDesignWidth = 525;
constexpr int kDesignHeight = 298;
constexpr int kStripHeight = 41;
constexpr int kBigButtonWidth = 101;
constexpr int kBigButtonHeight = 25;
constexpr int kSmallButtonWidth = 23;
constexpr int kSmallButtonHeight = 22;
constexpr int kResetButtonWidth = 113;
constexpr int kClearButtonWidth = 113;
constexpr int kSpinEditWidth = 49;
constexpr int kMargin = 16;
constexpr int kCheckBoxStep = 21;

struct Column {
  const char* caption;
  int width;
};

constexpr Column kColumns[] = {
    {texts::kTitleCaption, 100},     {texts::kProgramColumn, 200}, {texts::kParametersColumn, 100},
    {texts::kDirectoryCaption, 100}, {texts::kHotKeyCaption, 80},
};

}  // namespace

bool TForm6::Create(HWND owner, HICON icon) {
  // The common controls this window is made of, whoever registered them before.
  INITCOMMONCONTROLSEX classes = {
      sizeof classes, ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS | ICC_UPDOWN_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  framework::WindowArgs args;
  args.class_name = "TForm6";
  args.title = texts::kSettingsCaption;
  args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
  // Its own task-bar button: while it is shown the main window and the tray
  // icon are away, and it must not be lost behind other windows.
  args.ex_style = WS_EX_APPWINDOW;
  args.owner = owner;
  args.icon = icon;
  args.width = kDesignWidth;
  args.height = kDesignHeight;
  args.x = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - kDesignWidth) / 2);
  args.y = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - kDesignHeight) / 2);
  if (!Window::Create(args)) return false;
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(framework::UiFont()), FALSE);
  CreateCommandsPage();
  CreateOthersPage();
  CreateButtons();
  // Made last, the page control lies below the pages' controls, and clips
  // them out of its painting.
  page_control1_.Attach(framework::CreateControl(
      hwnd(), {WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, 0, 0, kPageControlId}));
  page_control1_.AddPage(kCommandsPage, texts::kCommandsTab);
  page_control1_.AddPage(kOthersPage, texts::kOthersTab);
  CreatePopupMenu();
  file_drop1_.SetOnDropFiles(
      [this](int, int, const std::vector<std::string>& fnames) { FileDrop1DropFiles(fnames); });
  file_drop1_.Attach(hwnd());
  file_drop1_.SetEnabled(true);
  row_drag_.Attach(hwnd(), list_view1_.hwnd());
  // The first showing opens on "その他"; later ones on the tab last used.
  page_control1_.Select(kOthersPage);
  ShowPage(kOthersPage);
  FormResize();
  return true;
}

void TForm6::CreateCommandsPage() {
  using framework::CreateControl;
  const HWND me = hwnd();
  list_view1_.Attach(CreateControl(
      me, {WC_LISTVIEWA, "",
           LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP, 0, 0, 0,
           0, kListViewId, nullptr, WS_EX_CLIENTEDGE}));
  SendMessageA(list_view1_.hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
               LVS_EX_FULLROWSELECT);
  for (std::size_t k = 0; k < std::size(kColumns); ++k) {
    list_view1_.AddColumn(static_cast<int>(k), kColumns[k].caption, kColumns[k].width);
  }
  pages_[kCommandsPage].push_back(list_view1_.hwnd());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (std::size_t k = 0; k < small_buttons_.size(); ++k) {
    const SmallButton& design = kSmallButtons[k];
    framework::Button& button = small_buttons_[k];
    button.Attach(CreateControl(me, {"BUTTON", "", BS_PUSHBUTTON | BS_BITMAP, 0, 0,
                                     kSmallButtonWidth, kSmallButtonHeight, design.id}));
    pictures_.push_back(framework::LoadPicture(design.picture, VYR_PICTURE_KEY_COLOUR, face));
    button.SetPicture(pictures_.back().get());
    framework::AddHint(me, button.hwnd(), design.hint);
    pages_[kCommandsPage].push_back(button.hwnd());
  }
  button3_.Attach(CreateControl(me, {"BUTTON", texts::kResetToDefault, BS_PUSHBUTTON | WS_TABSTOP,
                                     0, 0, kResetButtonWidth, kBigButtonHeight, kButton3Id}));
  pages_[kCommandsPage].push_back(button3_.hwnd());
}

void TForm6::CreateOthersPage() {
  using framework::CreateControl;
  const HWND me = hwnd();
  label_scan_.Attach(CreateControl(me, {"STATIC", texts::kScanHotKeyLabel}));
  hot_key2_.Create(me, 0, 0, 0, 0, kHotKey2Id);
  framework::AddHint(me, hot_key2_.hwnd(), texts::kScanHotKeyHint);
  pages_[kOthersPage] = {label_scan_.hwnd(), hot_key2_.hwnd()};
  for (std::size_t k = 0; k < check_boxes_.size(); ++k) {
    check_boxes_[k].Attach(
        CreateControl(me, {"BUTTON", kCheckBoxes[k].caption, BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0, 0,
                           0, kCheckBox1Id + static_cast<int>(k)}));
    if (kCheckBoxes[k].hint) framework::AddHint(me, check_boxes_[k].hwnd(), kCheckBoxes[k].hint);
    pages_[kOthersPage].push_back(check_boxes_[k].hwnd());
  }
  label_history_.Attach(CreateControl(me, {"STATIC", texts::kHistoryLimitLabel}));
  spin_edit1_ = framework::CreateSpinEdit(me, 0, 0, kSpinEditWidth, 20, kSpinEdit1Id);
  spin_edit1_.SetRange(kLeastHistoryLimit, kMostHistoryLimit);
  framework::AddHint(me, spin_edit1_.hwnd(), texts::kHistoryLimitHint);
  framework::AddHint(me, spin_edit1_.spin(), texts::kHistoryLimitHint);
  label_restart_.Attach(CreateControl(me, {"STATIC", texts::kRestartNeeded}));
  bit_btn3_.Attach(CreateControl(me, {"BUTTON", texts::kClearHistory, BS_PUSHBUTTON | WS_TABSTOP, 0,
                                      0, kClearButtonWidth, kBigButtonHeight, kBitBtn3Id}));
  pictures_.push_back(framework::LoadPicture(IDB_CLEAR_HISTORY, VYR_PICTURE_KEY_COLOUR,
                                             GetSysColor(COLOR_BTNFACE)));
  bit_btn3_.SetPicture(pictures_.back().get());
  pages_[kOthersPage].insert(pages_[kOthersPage].end(),
                             {label_history_.hwnd(), spin_edit1_.hwnd(), spin_edit1_.spin(),
                              label_restart_.hwnd(), bit_btn3_.hwnd()});
}

void TForm6::CreateButtons() {
  using framework::CreateControl;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  bit_btn1_.Attach(CreateControl(hwnd(), {"BUTTON", texts::kOk, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0,
                                          kBigButtonWidth, kBigButtonHeight, IDOK}));
  pictures_.push_back(framework::LoadPicture(IDB_OK, VYR_PICTURE_KEY_COLOUR, face));
  bit_btn1_.SetPicture(pictures_.back().get());
  bit_btn2_.Attach(CreateControl(hwnd(), {"BUTTON", texts::kCancel, BS_PUSHBUTTON | WS_TABSTOP, 0,
                                          0, kBigButtonWidth, kBigButtonHeight, IDCANCEL}));
  pictures_.push_back(framework::LoadPicture(IDB_CANCEL, VYR_PICTURE_KEY_COLOUR, face));
  bit_btn2_.SetPicture(pictures_.back().get());
}

void TForm6::CreatePopupMenu() {
  for (const ContextItem& item : kPopupMenu1) {
    popup_menu1_.Add({item.caption, item.shortcut, item.tag});
  }
}

void TForm6::FormResize() {
  if (page_control1_.hwnd() == nullptr) return;  // still being made
  const RECT client = ClientRect();
  const int strip_top = client.bottom - kStripHeight;
  page_control1_.Move(0, 0, client.right, strip_top);
  const int button_top = strip_top + (kStripHeight - kBigButtonHeight) / 2;
  bit_btn2_.Move(client.right - 8 - kBigButtonWidth, button_top, kBigButtonWidth, kBigButtonHeight);
  bit_btn1_.Move(client.right - 16 - 2 * kBigButtonWidth, button_top, kBigButtonWidth,
                 kBigButtonHeight);
  const RECT page = page_control1_.PageArea();
  LayoutCommandsPage(page);
  LayoutOthersPage(page);
  // The moved controls lie over the page control, which does not draw under
  // them: each draws itself anew, or the old picture stays.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TForm6::LimitSize(MINMAXINFO& limits) {
  limits.ptMinTrackSize = {4 * kBigButtonWidth, kDesignHeight * 3 / 4};
}

void TForm6::LayoutCommandsPage(const RECT& page) {
  const int strip_top = std::max(page.top, page.bottom - kStripHeight);
  list_view1_.Move(page.left, page.top, page.right - page.left, strip_top - page.top);
  for (std::size_t k = 0; k < small_buttons_.size(); ++k) {
    small_buttons_[k].Move(page.left + kSmallButtons[k].left,
                           strip_top + (kStripHeight - kSmallButtonHeight) / 2, kSmallButtonWidth,
                           kSmallButtonHeight);
  }
  button3_.Move(page.right - 8 - kResetButtonWidth,
                strip_top + (kStripHeight - kBigButtonHeight) / 2, kResetButtonWidth,
                kBigButtonHeight);
}

void TForm6::LayoutOthersPage(const RECT& page) {
  const HFONT font = framework::UiFont();
  const int left = page.left + kMargin;
  int top = page.top + 10;
  const int scan_width = framework::TextWidth(hwnd(), font, texts::kScanHotKeyLabel);
  label_scan_.Move(left, top + 3, scan_width, 14);
  hot_key2_.Move(left + scan_width + 8, top, 160, 20);
  top += 28;
  for (framework::Button& box : check_boxes_) {
    box.Move(left, top, std::max(0, static_cast<int>(page.right) - kMargin - left), 18);
    top += kCheckBoxStep;
  }
  top += 6;
  const int history_width = framework::TextWidth(hwnd(), font, texts::kHistoryLimitLabel);
  label_history_.Move(left, top + 5, history_width, 14);
  const int spin_left = left + history_width + 8;
  spin_edit1_.Move(spin_left, top + 2, kSpinEditWidth, 20);
  // The up-down control stands at the edit's right edge, inside its width.
  SendMessageA(spin_edit1_.spin(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(spin_edit1_.hwnd()), 0);
  const int restart_left = spin_left + kSpinEditWidth + 8;
  const int restart_width = framework::TextWidth(hwnd(), font, texts::kRestartNeeded);
  label_restart_.Move(restart_left, top + 5, restart_width, 14);
  bit_btn3_.Move(page.right - kMargin - kClearButtonWidth, top, kClearButtonWidth,
                 kBigButtonHeight);
}

void TForm6::ShowPage(int page) {
  for (int k = 0; k < static_cast<int>(pages_.size()); ++k) {
    for (HWND control : pages_[k]) ShowWindow(control, k == page ? SW_SHOW : SW_HIDE);
  }
}

LRESULT TForm6::PaintPageUnder(HWND control, HDC dc) {
  // The page's body, drawn by the page control itself into the label's or
  // check box's background, so that a styled page shows through them.
  POINT origin = {0, 0};
  MapWindowPoints(control, page_control1_.hwnd(), &origin, 1);
  POINT before = {};
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &before);
  SendMessageA(page_control1_.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, before.x, before.y, nullptr);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

}  // namespace vyr
