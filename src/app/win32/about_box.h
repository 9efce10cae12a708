// TForm3: the about box, shown modally.
#pragma once

#include "framework/controls.h"
#include "framework/scoped_handles.h"
#include "framework/window.h"
#include "platform/win32/shell.h"
#include "ui/about_box_view.h"

namespace vyr {

class TForm3 final : public framework::Window, public AboutBoxView {
 public:
  void ShowAbout() override { ShowModal(); }
  bool Create(HWND owner);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnCommand(int id, int code) override;

 private:
  void LinkClick();

  platform::Win32Shell shell_;  // on the box's behalf
  framework::Control link_;
  framework::ScopedBitmap picture_;
  framework::ScopedBrush black_{CreateSolidBrush(RGB(0, 0, 0))};
};

}  // namespace vyr
