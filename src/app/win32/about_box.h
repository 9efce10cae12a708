// TForm3: the about box, shown modally.
#pragma once

#include "framework/controls.h"
#include "framework/scoped_handles.h"
#include "framework/window.h"
#include "platform/shell.h"
#include "ui/about_box_view.h"

namespace vyr {

class TForm3 final : public framework::Window, public AboutBoxView {
 public:
  void ShowAbout() override { ShowModal(); }
  explicit TForm3(platform::Shell& shell) : shell_(shell) {}
  bool Create(HWND owner);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnCommand(int id, int code) override;

 private:
  void LinkClick() const;

  platform::Shell& shell_;
  framework::Control link_;
  framework::ScopedBitmap picture_;
  framework::ScopedBrush black_{CreateSolidBrush(RGB(0, 0, 0))};
};

}  // namespace vyr
