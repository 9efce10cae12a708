#include "commands/win32/row_drag.h"

#include <commctrl.h>

namespace vyr {
namespace {

void SetCursorTo(LPCSTR cursor) {
  SetCursor(LoadCursorA(nullptr, cursor));
}

}  // namespace

void RowDrag::Begin() {
  active_ = true;
  SetCapture(owner_);
}

void RowDrag::Track(POINT in_owner) const {
  // A drop is taken only over a row.
  SetCursorTo(RowAt(in_owner) >= 0 ? IDC_ARROW : IDC_NO);
}

int RowDrag::Drop(POINT in_owner) {
  End();
  return RowAt(in_owner);
}

void RowDrag::Cancel() {
  End();
}

void RowDrag::CaptureChanged(HWND taker) {
  if (!active_ || taker == owner_) return;
  active_ = false;
  SetCursorTo(IDC_ARROW);
}

void RowDrag::End() {
  // Not active any more before the capture goes, which tells us of it.
  active_ = false;
  ReleaseCapture();
  SetCursorTo(IDC_ARROW);
}

int RowDrag::RowAt(POINT in_owner) const {
  POINT at = in_owner;
  MapWindowPoints(owner_, list_, &at, 1);
  RECT client = {};
  GetClientRect(list_, &client);
  if (!PtInRect(&client, at)) return -1;
  LVHITTESTINFO hit = {};
  hit.pt = at;
  const auto row =
      static_cast<int>(SendMessageA(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & LVHT_ONITEM) != 0 ? row : -1;
}

}  // namespace vyr
