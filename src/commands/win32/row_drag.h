// Dragging a row of a list view within the list: from the list's own news
// that a drag began until the left button goes up, the mouse belongs to the
// window that holds the list, and the cursor tells whether a drop there would
// land on a row.
#pragma once

#include <windows.h>

namespace vyr {

class RowDrag {
 public:
  // `owner` takes the mouse; `list` is one of its controls.
  void Attach(HWND owner, HWND list) {
    owner_ = owner;
    list_ = list;
  }
  bool active() const { return active_; }

  void Begin();
  // The mouse moved to a point of the owner's client area.
  void Track(POINT in_owner) const;
  // The button went up there: the drag ends; the row dropped on, or -1.
  int Drop(POINT in_owner);
  // Ended without a drop (Esc, the dialog closing).
  void Cancel();
  // WM_CAPTURECHANGED: another window took the mouse (a message box, say);
  // the drag ends, dropped nowhere.
  void CaptureChanged(HWND taker);

 private:
  // The row under a point of the owner's client area, or -1.
  int RowAt(POINT in_owner) const;
  void End();

  HWND owner_ = nullptr;
  HWND list_ = nullptr;
  bool active_ = false;
};

}  // namespace vyr
