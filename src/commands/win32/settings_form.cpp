// The settings dialog's events and the views it offers: each event hands its
// work to the SettingsDialog or its command page.
#include "commands/win32/settings_form.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "commands/win32/settings_form_design.h"

namespace vyr {
namespace {

using settings_form::ContextItem;
using settings_form::kCheckBoxes;
using settings_form::kPopupMenu1;

// What the strip's buttons do to the list, by their ids; the context menu's
// items carry the same ids as their tags.
struct PageOperation {
  int id;
  void (*run)(CommandPage& page);
};

constexpr PageOperation kPageOperations[] = {
    {TForm6::kSpdEditId, [](CommandPage& page) { page.EditSelected(); }},
    {TForm6::kSpdHorizonId, [](CommandPage& page) { page.InsertSeparator(); }},
    {TForm6::kSpdAddId, [](CommandPage& page) { page.AddEntry(); }},
    {TForm6::kSpdDeleteId, [](CommandPage& page) { page.RemoveSelected(); }},
    {TForm6::kSpdUpId, [](CommandPage& page) { page.MoveUp(); }},
    {TForm6::kSpdDownId, [](CommandPage& page) { page.MoveDown(); }},
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
  for (std::size_t k = 0; k < check_boxes_.size(); ++k) {
    SetChecked(check_boxes_[k], options.*kCheckBoxes[k].option);
  }
  ShowHistoryLimit(std::clamp(options.history_limit, kLeastHistoryLimit, kMostHistoryLimit));
}

DialogOptions TForm6::ReadOptions() {
  // Enter may press OK while the number field still has the focus.
  SpinEdit1Exit();
  DialogOptions options;
  options.scan_hot_key = hot_key2_.Value();
  for (std::size_t k = 0; k < check_boxes_.size(); ++k) {
    options.*kCheckBoxes[k].option = Checked(check_boxes_[k]);
  }
  options.history_limit = HistoryLimitOf(spin_edit1_.Text());
  return options;
}

void TForm6::ShowHistoryLimit(int limit) {
  spin_edit1_.SetValue(limit);
  spin_edit1_.SetText(std::to_string(limit));
}

void TForm6::SpinEdit1Exit() {
  const std::string text = spin_edit1_.Text();
  const int limit = HistoryLimitOf(text);
  if (text != std::to_string(limit)) ShowHistoryLimit(limit);
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
  if (row_drag_.active()) row_drag_.Cancel();
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
  switch (id) {
    case IDOK:  // BitBtn1, and Enter
      modal_result_ = IDOK;
      CloseWith(IDOK);
      return;
    case IDCANCEL:  // BitBtn2, and Esc, which first ends a drag
      if (row_drag_.active()) {
        row_drag_.Cancel();
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
  // The picture buttons act on the list and leave the keys with it.
  if (code == BN_CLICKED && RunPageOperation(id)) list_view1_.Focus();
}

bool TForm6::RunPageOperation(int id) {
  const auto operation = std::find_if(std::begin(kPageOperations), std::end(kPageOperations),
                                      [id](const PageOperation& known) { return known.id == id; });
  if (operation == std::end(kPageOperations)) return false;
  if (CommandPage* commands = Commands()) operation->run(*commands);
  return true;
}

void TForm6::OnContextMenu(POINT at) {
  PopupMenu1Click(popup_menu1_.Track(hwnd(), at));
}

bool TForm6::OnKeyPreview(UINT key) {
  if (!OnlyCtrlDown()) return false;
  for (const ContextItem& item : kPopupMenu1) {
    if (item.key == 0 || item.key != key) continue;
    PopupMenu1Click(item.tag);
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
      RunPageOperation(kSpdEditId);
      return 0;
    case LVN_BEGINDRAG:
      ListView1StartDrag(reinterpret_cast<const NMLISTVIEW&>(header).iItem);
      return 0;
    default:
      return 0;
  }
}

void TForm6::ListView1StartDrag(int row) {
  if (row < 0) return;
  // The dragged row is the selected one that the page moves.
  SelectRow(row);
  row_drag_.Begin();
}

void TForm6::ListView1DragDrop(int target) {
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
    case WM_GETMINMAXINFO:
      LimitSize(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_CTLCOLORSTATIC:
      return PaintPageUnder(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
    case WM_MOUSEMOVE:
      if (!row_drag_.active()) break;
      row_drag_.Track(at);
      return 0;
    case WM_LBUTTONUP:
      if (!row_drag_.active()) break;
      ListView1DragDrop(row_drag_.Drop(at));
      return 0;
    case WM_CAPTURECHANGED:
      row_drag_.CaptureChanged(reinterpret_cast<HWND>(lparam));
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace vyr
