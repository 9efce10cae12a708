// Thin wrappers over the standard controls: a non-owning HWND and one-line
// methods over the control's messages.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "framework/scoped_handles.h"
#include "framework/window_handle.h"

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

// Shows `text` as the hint of `control` while the mouse rests on it, also
// on the windows inside it (the combo box inside a ComboBoxEx, the edit of
// a combo box), which take the mouse messages themselves.
void AddHint(HWND parent, HWND control, const char* text);

// A control of a window: the handle is the window's, which destroys it.
class Control : public WindowHandle {
 public:
  Control() = default;
  explicit Control(HWND hwnd) : WindowHandle(hwnd) {}
  void Attach(HWND hwnd) { SetHandle(hwnd); }
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
  // The first entry, from the top, that begins with `prefix` without regard
  // to case, as the platform compares; -1 when none does.
  int FindPrefix(std::string_view prefix) const;
  // The edit selection in bytes of the text. (The platform's ANSI edit
  // counts bytes; Wine's counts UTF-16 characters whatever the window.)
  void SetEditSelection(std::size_t start, std::size_t end) const;
  void GetEditSelection(std::size_t& start, std::size_t& end) const;
  void SetVisibleRows(int rows) const { Send(CB_SETMINVISIBLE, static_cast<WPARAM>(rows)); }
  void SetItemHeight(int height) const { Send(CB_SETITEMHEIGHT, 0, height); }
  // The edit field inside the box.
  HWND Edit() const;
};

// The ComboBoxEx drop-down list: entries with a text and a picture from its
// image list, which it owns.
class ComboBoxEx : public Control {
 public:
  using Control::Control;
  void SetPictures(ScopedImageList pictures);
  void Insert(int index, std::string_view text, int picture) const;
  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  void Clear() const { Send(CB_RESETCONTENT); }
  int Selected() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void Select(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  // The combo box inside, which takes the mouse and the keys.
  HWND Inner() const { return reinterpret_cast<HWND>(Send(CBEM_GETCOMBOCONTROL)); }

 private:
  ScopedImageList pictures_;
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
  // The button draws `picture` and does not own it: the window keeps it.
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
