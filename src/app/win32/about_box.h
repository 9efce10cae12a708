// TForm3: the about box, shown modally.
#pragma once

#include "framework/controls.h"
#include "framework/window.h"

namespace vyr {

class TForm3 final : public framework::Window {
 public:
  bool Create(HWND owner, HBITMAP picture);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void LinkClick() const;

  framework::Control link_;
  HBRUSH black_ = CreateSolidBrush(RGB(0, 0, 0));
};

}  // namespace vyr
