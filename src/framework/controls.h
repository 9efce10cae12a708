// Thin wrappers over the standard controls: a non-owning HWND and one-line
// methods over the control's messages.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

namespace vyr::framework {

struct ControlArgs {
  const char* class_name = "STATIC";
  std::string text = {};
  DWORD style = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int id = 0;
  HFONT font = nullptr;  // the parent's font when empty
  DWORD ex_style = 0;
};

HWND CreateControl(HWND parent, const ControlArgs& args);

// Shows `text` as the hint of `control` while the mouse rests on it.
void AddHint(HWND parent, HWND control, const char* text);

// The text of any window, as the A functions give it.
std::string WindowText(HWND window);

class Control {
 public:
  Control() = default;
  explicit Control(HWND hwnd) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  std::string Text() const { return WindowText(hwnd_); }
  void SetText(std::string_view text) const { SetWindowTextA(hwnd_, std::string(text).c_str()); }
  void Move(int x, int y, int width, int height) const { MoveWindow(hwnd_, x, y, width, height, TRUE); }
  void Show(bool shown) const { ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE); }
  void Focus() const { SetFocus(hwnd_); }
  RECT ClientRect() const {
    RECT rect = {};
    GetClientRect(hwnd_, &rect);
    return rect;
  }

 protected:
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return SendMessageA(hwnd_, message, wparam, lparam);
  }

 private:
  HWND hwnd_ = nullptr;
};

// The editable combo box and the drop-down list alike.
class ComboBox : public Control {
 public:
  using Control::Control;
  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  void Clear() const { Send(CB_RESETCONTENT); }
  int Add(std::string_view text) const {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(text).c_str())));
  }
  std::string Item(int index) const;
  int Selected() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void Select(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  bool DroppedDown() const { return Send(CB_GETDROPPEDSTATE) != 0; }
  void ShowDropDown(bool shown) const { Send(CB_SHOWDROPDOWN, shown ? TRUE : FALSE); }
  void SetEditSelection(int start, int end) const { Send(CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
  void GetEditSelection(int& start, int& end) const;
  void SetVisibleRows(int rows) const { Send(CB_SETMINVISIBLE, static_cast<WPARAM>(rows)); }
  void SetItemHeight(int height) const { Send(CB_SETITEMHEIGHT, 0, height); }
  // The edit field inside the box.
  HWND Edit() const;
};

class ListBox : public Control {
 public:
  using Control::Control;
  int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  void Clear() const { Send(LB_RESETCONTENT); }
  void Add(std::string_view text) const {
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(text).c_str()));
  }
  int Selected() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  void Select(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
  void SetItemHeight(int height) const { Send(LB_SETITEMHEIGHT, 0, height); }
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  void SetRange(int maximum) const { Send(PBM_SETRANGE32, 0, maximum); }
  void SetPosition(int position) const { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
};

class Button : public Control {
 public:
  using Control::Control;
  void SetPicture(HBITMAP picture) const {
    Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  }
};

// The report-style list view: rows of a caption and further cells.
class ListView : public Control {
 public:
  using Control::Control;
  int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  void Clear() const { Send(LVM_DELETEALLITEMS); }
  void AddColumn(int index, const char* caption, int width) const;
  // Inserts a row at `row` with its caption; the row's index.
  int InsertRow(int row, const std::string& caption) const;
  void SetCell(int row, int column, const std::string& text) const;
  std::string Cell(int row, int column) const;
  void DeleteRow(int row) const { Send(LVM_DELETEITEM, static_cast<WPARAM>(row)); }
  int Selected() const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  void Select(int row) const;
};

// The hot-key field: a key combination as the platform's HOTKEY_CLASS holds it.
class HotKeyField : public Control {
 public:
  using Control::Control;
  // Virtual key in the low byte, HOTKEYF_* modifiers in the high byte.
  WORD Value() const { return static_cast<WORD>(Send(HKM_GETHOTKEY)); }
  void SetValue(WORD value) const { Send(HKM_SETHOTKEY, value); }
};

// The numeric spin edit: an edit with an up-down control buddied to it.
class SpinEdit : public Control {
 public:
  SpinEdit() = default;
  SpinEdit(HWND edit, HWND spin) : Control(edit), spin_(spin) {}
  void SetRange(int low, int high) const {
    SendMessageA(spin_, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
  }
  int Value() const {
    return static_cast<int>(SendMessageA(spin_, UDM_GETPOS32, 0, 0));
  }
  void SetValue(int value) const { SendMessageA(spin_, UDM_SETPOS32, 0, value); }
  HWND spin() const { return spin_; }

 private:
  HWND spin_ = nullptr;
};

// Makes an edit at the given place with an up-down control at its right edge.
SpinEdit CreateSpinEdit(HWND parent, int x, int y, int width, int height, int id);

// The page control's tabs.
class TabControl : public Control {
 public:
  using Control::Control;
  void AddPage(int index, const char* caption) const;
  int Selected() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
  void Select(int index) const { Send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }
  // The part of the control that the pages fill, in its parent's coordinates.
  RECT PageArea() const;
};

}  // namespace vyr::framework
