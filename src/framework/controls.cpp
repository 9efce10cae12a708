#include "framework/controls.h"

#include <algorithm>
#include <vector>

#include "framework/gdi.h"

namespace vyr::framework {

HWND CreateControl(HWND parent, const ControlArgs& args) {
  HWND control = CreateWindowExA(args.ex_style, args.class_name, args.text.c_str(),
                                 WS_CHILD | WS_VISIBLE | args.style, args.x, args.y, args.width,
                                 args.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                 GetModuleHandleA(nullptr), nullptr);
  HFONT font = args.font != nullptr
                   ? args.font
                   : reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
  // Our own windows keep no font of their own: they all use the UI font.
  if (font == nullptr) font = UiFont();
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

namespace {

HWND HintWindowOf(HWND parent) {
  // One hint window per parent, made with its first hint.
  HWND tips = reinterpret_cast<HWND>(GetPropA(parent, "VyrHints"));
  if (tips == nullptr) {
    tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                           0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetPropA(parent, "VyrHints", tips);
  }
  return tips;
}

void AddTool(HWND tips, HWND parent, HWND window, const char* text) {
  TOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = parent;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

struct HintOfChildren {
  HWND tips;
  HWND parent;
  const char* text;
};

BOOL CALLBACK AddChildTool(HWND child, LPARAM data) {
  const auto* hint = reinterpret_cast<const HintOfChildren*>(data);
  AddTool(hint->tips, hint->parent, child, hint->text);
  return TRUE;
}

// Whether the edit counts its positions in UTF-16 units rather than bytes:
// asked once per text, by the length of everything selected.
bool CountsUtf16(HWND box, const std::string& text) {
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return false;
  DWORD from = 0;
  DWORD to = 0;
  SendMessageA(box, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  SendMessageA(box, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  DWORD end = 0;
  SendMessageA(box, CB_GETEDITSEL, 0, reinterpret_cast<LPARAM>(&end));
  SendMessageA(box, CB_SETEDITSEL, 0, MAKELPARAM(from, to));
  return end != text.size();
}

std::size_t Utf16Units(const std::string& text, std::size_t bytes) {
  bytes = std::min(bytes, text.size());
  if (bytes == 0) return 0;
  return static_cast<std::size_t>(
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(bytes), nullptr, 0));
}

std::size_t BytesOf(const std::string& text, std::size_t units) {
  if (units == 0 || text.empty()) return 0;
  const int wide_length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      wide_length);
  const int count = static_cast<int>(std::min(units, wide.size()));
  return static_cast<std::size_t>(
      WideCharToMultiByte(CP_ACP, 0, wide.data(), count, nullptr, 0, nullptr, nullptr));
}

}  // namespace

void AddHint(HWND parent, HWND control, const char* text) {
  HWND tips = HintWindowOf(parent);
  AddTool(tips, parent, control, text);
  // The mouse messages go to the innermost window under the pointer.
  HintOfChildren hint{tips, parent, text};
  EnumChildWindows(control, AddChildTool, reinterpret_cast<LPARAM>(&hint));
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::vector<char> text(static_cast<std::size_t>(length) + 2);
  const int got = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

std::string ComboBox::Item(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), static_cast<std::size_t>(length));
}

int ComboBox::FindPrefix(std::string_view prefix) const {
  const std::string text(prefix);
  const LRESULT found = Send(CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  return found == CB_ERR ? -1 : static_cast<int>(found);
}

void ComboBox::SetEditSelection(std::size_t start, std::size_t end) const {
  const std::string text = Text();
  if (CountsUtf16(hwnd(), text)) {
    start = Utf16Units(text, start);
    end = Utf16Units(text, end);
  }
  Send(CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end)));
}

void ComboBox::GetEditSelection(std::size_t& start, std::size_t& end) const {
  DWORD from = 0;
  DWORD to = 0;
  Send(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  start = from;
  end = to;
  const std::string text = Text();
  if (CountsUtf16(hwnd(), text)) {
    start = BytesOf(text, start);
    end = BytesOf(text, end);
  }
}

HWND ComboBox::Edit() const {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  GetComboBoxInfo(hwnd(), &info);
  return info.hwndItem;
}

void ComboBoxEx::SetPictures(ScopedImageList pictures) {
  Send(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures.get()));
  pictures_ = std::move(pictures);
}

void ComboBoxEx::Insert(int index, std::string_view text, int picture) const {
  std::string caption(text);
  COMBOBOXEXITEMA item = {};
  item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
  item.iItem = index;
  item.pszText = caption.data();
  item.iImage = item.iSelectedImage = picture;
  Send(CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void ListView::AddColumn(int index, const char* caption, int width) const {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>(caption);
  column.cx = width;
  Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int ListView::InsertRow(int row, const std::string& caption) const {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<char*>(caption.c_str());
  return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetCell(int row, int column, const std::string& text) const {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string ListView::Cell(int row, int column) const {
  std::vector<char> text(4096);
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  const auto length = Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return std::string(text.data(), static_cast<std::size_t>(length));
}

void ListView::Select(int row) const {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

SpinEdit CreateSpinEdit(HWND parent, int x, int y, int width, int height, int id) {
  HWND edit = CreateControl(parent, {"EDIT", "", ES_NUMBER | WS_TABSTOP, x, y, width, height, id,
                                     nullptr, WS_EX_CLIENTEDGE});
  HWND spin = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                              WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT |
                                  UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                              0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  return SpinEdit(edit, spin);
}

void TabControl::AddPage(int index, const char* caption) const {
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption);
  Send(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

RECT TabControl::PageArea() const {
  RECT area = {};
  GetWindowRect(hwnd(), &area);
  MapWindowPoints(nullptr, GetParent(hwnd()), reinterpret_cast<POINT*>(&area), 2);
  Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

}  // namespace vyr::framework
