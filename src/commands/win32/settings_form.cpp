#include "commands/win32/settings_form.h"

#include <algorithm>
#include <string>
#include <utility>

#include "commands/win32/commands_window_texts.h"
#include "commands/win32/settings_form_texts.h"
#include "framework/gdi.h"
#include "framework/pictures.h"
#include "resource_ids.h"

namespace vyr {
namespace {

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

struct SmallButton {
  TForm6::ControlId id;
  int left;
  int picture;
  const char* hint;
};

constexpr SmallButton kSmallButtons[] = {
    {TForm6::kSpdEditId, 12, IDB_EDIT, texts::kEditHint},
    {TForm6::kSpdHorizonId, 48, IDB_SEPARATOR, texts::kSeparatorHint},
    {TForm6::kSpdAddId, 84, IDB_ADD, texts::kAddHint},
    {TForm6::kSpdDeleteId, 112, IDB_REMOVE, texts::kRemoveHint},
    {TForm6::kSpdUpId, 148, IDB_UP, texts::kUpHint},
    {TForm6::kSpdDownId, 176, IDB_DOWN, texts::kDownHint},
};

struct CheckBox {
  const char* caption;
  const char* hint;  // null for none
};

constexpr CheckBox kCheckBoxes[] = {
    {texts::kSwapMenus, nullptr},
    {texts::kSkipSystemDirectories, texts::kSkipSystemDirectoriesHint},
    {texts::kUseAutoComplete, texts::kUseAutoCompleteHint},
    {texts::kCloseInputMethod, texts::kCloseInputMethodHint},
    {texts::kHistoryTakesInput, nullptr},
};

struct Column {
  const char* caption;
  int width;
};

constexpr Column kColumns[] = {
    {texts::kTitleCaption, 100},     {texts::kProgramColumn, 200}, {texts::kParametersColumn, 100},
    {texts::kDirectoryCaption, 100}, {texts::kHotKeyCaption, 80},
};

bool Checked(const framework::Button& box) {
  return SendMessageA(box.hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(const framework::Button& box, bool checked) {
  SendMessageA(box.hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool OnlyCtrlDown() {
  return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

void SetCursorTo(LPCSTR cursor) {
  SetCursor(LoadCursorA(nullptr, cursor));
}

}  // namespace

bool TForm6::Create(HWND owner) {
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
  popup_menu1_.Add({texts::kEditItem, "", kEditTag});
  popup_menu1_.Add({texts::kAddItem, "Ctrl+Ins", kAddTag});
  popup_menu1_.Add({texts::kRemoveItem, "Ctrl+Del", kDeleteTag});
  file_drop1_.SetOnDropFiles(
      [this](int, int, const std::vector<std::string>& fnames) { FileDrop1DropFiles(fnames); });
  file_drop1_.Attach(hwnd());
  file_drop1_.SetEnabled(true);
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
  framework::Button* buttons[] = {&spd_edit_,   &spd_horizon_, &spd_add_,
                                  &spd_delete_, &spd_up_,      &spd_down_};
  for (std::size_t k = 0; k < std::size(kSmallButtons); ++k) {
    const SmallButton& design = kSmallButtons[k];
    buttons[k]->Attach(CreateControl(me, {"BUTTON", "", BS_PUSHBUTTON | BS_BITMAP, 0, 0,
                                          kSmallButtonWidth, kSmallButtonHeight, design.id}));
    pictures_.push_back(framework::LoadPicture(design.picture, VYR_PICTURE_KEY_COLOUR, face));
    buttons[k]->SetPicture(pictures_.back().get());
    framework::AddHint(me, buttons[k]->hwnd(), design.hint);
    pages_[kCommandsPage].push_back(buttons[k]->hwnd());
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

void TForm6::LayoutCommandsPage(const RECT& page) {
  const int strip_top = std::max(page.top, page.bottom - kStripHeight);
  list_view1_.Move(page.left, page.top, page.right - page.left, strip_top - page.top);
  const framework::Button* buttons[] = {&spd_edit_,   &spd_horizon_, &spd_add_,
                                        &spd_delete_, &spd_up_,      &spd_down_};
  for (std::size_t k = 0; k < std::size(kSmallButtons); ++k) {
    buttons[k]->Move(page.left + kSmallButtons[k].left,
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

void TForm6::ShowPage(int page) {
  for (int k = 0; k < static_cast<int>(pages_.size()); ++k) {
    for (HWND control : pages_[k]) ShowWindow(control, k == page ? SW_SHOW : SW_HIDE);
  }
}

void TForm6::ShowDialog(const DialogOptions& options) {
  PutOptions(options);
  modal_result_ = IDCANCEL;
  shown_ = true;
  ShowPage(page_control1_.Selected());
  const HWND first =
      page_control1_.Selected() == kCommandsPage ? list_view1_.hwnd() : hot_key2_.hwnd();
  focus_.Remember(first);
  Show();
  // In front of other programs, also when we live in the tray.
  BringWindowToTop(hwnd());
  SetForegroundWindow(hwnd());
  SetFocus(first);
}

void TForm6::PutOptions(const DialogOptions& options) {
  hot_key2_.SetValue(options.scan_hot_key);
  const bool flags[] = {options.swap_menus, options.skip_system_directories,
                        options.use_auto_complete, options.close_input_method,
                        options.history_takes_input};
  for (std::size_t k = 0; k < check_boxes_.size(); ++k) SetChecked(check_boxes_[k], flags[k]);
  const int limit = HistoryLimitOf(std::to_string(options.history_limit));
  spin_edit1_.SetValue(limit);
  spin_edit1_.SetText(std::to_string(limit));
}

DialogOptions TForm6::ReadOptions() {
  // Enter may press OK while the number field still has the focus.
  SpinEdit1Exit();
  DialogOptions options;
  options.scan_hot_key = hot_key2_.Value();
  options.swap_menus = Checked(check_boxes_[0]);
  options.skip_system_directories = Checked(check_boxes_[1]);
  options.use_auto_complete = Checked(check_boxes_[2]);
  options.close_input_method = Checked(check_boxes_[3]);
  options.history_takes_input = Checked(check_boxes_[4]);
  options.history_limit = HistoryLimitOf(spin_edit1_.Text());
  return options;
}

void TForm6::SpinEdit1Exit() {
  const std::string text = spin_edit1_.Text();
  const int limit = HistoryLimitOf(text);
  if (text == std::to_string(limit)) return;
  spin_edit1_.SetValue(limit);
  spin_edit1_.SetText(std::to_string(limit));
}

bool TForm6::OnCloseQuery() {
  // Disabled, the dialog is under a modal window whose loop is still running:
  // a close sent by another program must wait for it.
  if (!IsWindowEnabled(hwnd())) return false;
  FormClose();
  return true;
}

void TForm6::FormClose() {
  // Asked to close while hidden (at the program's end), there is nothing to
  // apply.
  if (!std::exchange(shown_, false)) return;
  if (dragging_) EndRowDrag({}, false);
  SetCursorTo(IDC_WAIT);
  std::optional<DialogOptions> ok;
  if (modal_result_ == IDOK) ok = ReadOptions();
  if (controller_ != nullptr) controller_->OnClosed(ok);
  SetCursorTo(IDC_ARROW);
}

void TForm6::ShowEntries(const std::vector<CommandEntry>& entries) {
  SendMessageA(list_view1_.hwnd(), WM_SETREDRAW, FALSE, 0);
  list_view1_.Clear();
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const CommandEntry& entry = entries[k];
    const int row = list_view1_.InsertRow(static_cast<int>(k), entry.title);
    list_view1_.SetCell(row, 1, entry.program);
    list_view1_.SetCell(row, 2, entry.parameters);
    list_view1_.SetCell(row, 3, entry.directory);
    list_view1_.SetCell(row, 4, entry.hot_key);
  }
  SendMessageA(list_view1_.hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_view1_.hwnd(), nullptr, TRUE);
}

void TForm6::SelectRow(int row) {
  if (row < 0) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_view1_.hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
    return;
  }
  list_view1_.Select(row);
  SendMessageA(list_view1_.hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void TForm6::OnCommand(int id, int code) {
  CommandPage* commands = Commands();
  switch (id) {
    case IDOK:  // BitBtn1, and Enter
      modal_result_ = IDOK;
      CloseWith(IDOK);
      return;
    case IDCANCEL:  // BitBtn2, and Esc, which first ends a drag
      if (dragging_) {
        EndRowDrag({}, false);
        return;
      }
      modal_result_ = IDCANCEL;
      CloseWith(IDCANCEL);
      return;
    case kSpinEdit1Id:
      if (code == EN_KILLFOCUS) SpinEdit1Exit();
      return;
    case kButton3Id:
      if (controller_ != nullptr) controller_->ResetToDefault();
      return;
    case kBitBtn3Id:
      if (controller_ != nullptr) controller_->ClearHistory();
      return;
    default:
      break;
  }
  if (commands == nullptr || code != BN_CLICKED) return;
  switch (id) {
    case kSpdEditId:
      commands->EditSelected();
      break;
    case kSpdHorizonId:
      commands->InsertSeparator();
      break;
    case kSpdAddId:
      commands->AddEntry();
      break;
    case kSpdDeleteId:
      commands->RemoveSelected();
      break;
    case kSpdUpId:
      commands->MoveUp();
      break;
    case kSpdDownId:
      commands->MoveDown();
      break;
    default:
      return;
  }
  // The picture buttons act on the list and leave the keys with it.
  list_view1_.Focus();
}

void TForm6::OnContextMenu(POINT at) {
  PopupMenu1Click(popup_menu1_.Track(hwnd(), at));
}

void TForm6::PopupMenu1Click(int tag) {
  CommandPage* commands = Commands();
  if (commands == nullptr) return;
  switch (tag) {
    case kEditTag:
      commands->EditSelected();
      break;
    case kAddTag:
      commands->AddEntry();
      break;
    case kDeleteTag:
      commands->RemoveSelected();
      break;
    default:
      break;
  }
}

bool TForm6::OnKeyPreview(UINT key) {
  if (!OnlyCtrlDown()) return false;
  if (key == VK_INSERT) {
    PopupMenu1Click(kAddTag);
    return true;
  }
  if (key == VK_DELETE) {
    PopupMenu1Click(kDeleteTag);
    return true;
  }
  return false;
}

void TForm6::FileDrop1DropFiles(const std::vector<std::string>& fnames) {
  SetForegroundWindow(hwnd());
  if (CommandPage* commands = Commands()) commands->DropFiles(fnames);
}

LRESULT TForm6::OnNotify(const NMHDR& header) {
  if (header.idFrom == kPageControlId && header.code == TCN_SELCHANGE) {
    ShowPage(page_control1_.Selected());
    return 0;
  }
  if (header.idFrom != kListViewId) return 0;
  switch (header.code) {
    case NM_DBLCLK:
      // Below the rows there is nothing to edit, whatever stays selected.
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem < 0) return 0;
      if (CommandPage* commands = Commands()) commands->EditSelected();
      return 0;
    case LVN_BEGINDRAG:
      BeginRowDrag(reinterpret_cast<const NMLISTVIEW&>(header).iItem);
      return 0;
    default:
      return 0;
  }
}

void TForm6::BeginRowDrag(int row) {
  if (row < 0) return;
  // The dragged row is the selected one that the page moves.
  SelectRow(row);
  dragging_ = true;
  SetCapture(hwnd());
}

int TForm6::RowAt(POINT in_form) const {
  POINT at = in_form;
  MapWindowPoints(hwnd(), list_view1_.hwnd(), &at, 1);
  const RECT client = list_view1_.ClientRect();
  if (!PtInRect(&client, at)) return -1;
  LVHITTESTINFO hit = {};
  hit.pt = at;
  const auto row = static_cast<int>(
      SendMessageA(list_view1_.hwnd(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & LVHT_ONITEM) != 0 ? row : -1;
}

void TForm6::TrackRowDrag(POINT in_form) {
  SetCursorTo(RowAt(in_form) >= 0 ? IDC_ARROW : IDC_NO);
}

void TForm6::EndRowDrag(POINT in_form, bool drop) {
  dragging_ = false;
  ReleaseCapture();
  SetCursorTo(IDC_ARROW);
  if (!drop) return;
  const int target = RowAt(in_form);
  CommandPage* commands = Commands();
  if (target >= 0 && commands != nullptr) commands->DropRowOn(target);
}

LRESULT TForm6::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT at = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  switch (message) {
    case WM_ACTIVATE:
      if (focus_.OnActivate(hwnd(), wparam)) return 0;
      break;
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_GETMINMAXINFO: {
      // Small enough to shrink, large enough that the strips' buttons stay apart.
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lparam);
      limits.ptMinTrackSize = {4 * kBigButtonWidth, kDesignHeight * 3 / 4};
      return 0;
    }
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_CTLCOLORSTATIC:
      return PaintPageUnder(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
    case WM_MOUSEMOVE:
      if (!dragging_) break;
      TrackRowDrag(at);
      return 0;
    case WM_LBUTTONUP:
      if (!dragging_) break;
      EndRowDrag(at, true);
      return 0;
    case WM_CAPTURECHANGED:
      // Taken away (another window, a message box): the drag ends, dropped nowhere.
      if (dragging_ && reinterpret_cast<HWND>(lparam) != hwnd()) {
        dragging_ = false;
        SetCursorTo(IDC_ARROW);
      }
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace vyr
