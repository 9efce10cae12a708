// TForm2 (unit decide): the modal list in which the user picks a candidate.
#pragma once

#include "framework/controls.h"
#include "framework/scoped_handles.h"
#include "framework/window.h"
#include "jump/go_action.h"

namespace vyr {

class TForm2 final : public framework::Window, public ChooserView {
 public:
  bool Create(HWND owner);
  std::optional<std::size_t> Choose(const std::vector<std::string>& candidates) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnCommand(int id, int code) override;

 private:
  void FormShow();
  void FormResize();
  void ListBox1DblClick() { CloseWith(IDOK); }

  framework::ListBox list_box1_;
  framework::Button bit_btn1_;
  framework::Button bit_btn2_;
  framework::ScopedBitmap go_picture_;
};

}  // namespace vyr
