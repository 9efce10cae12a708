// The message boxes the controllers ask through, over a window of ours: the
// boxes belong to it, so that they stand in front of it and it takes no
// input while one is up.
#pragma once

#include "framework/dialogs.h"
#include "framework/window_handle.h"
#include "ui/confirmation_box.h"
#include "ui/warning_box.h"
#include "ui/yes_no_box.h"

namespace vyr {

class MessageBoxesOf final : public WarningBox, public ConfirmationBox, public YesNoBox {
 public:
  explicit MessageBoxesOf(const framework::WindowHandle& owner) : owner_(owner) {}
  void ShowWarning(std::string_view text) override {
    framework::ShowWarningBox(owner_.hwnd(), text);
  }
  bool Confirm(std::string_view text) override { return framework::AskOkCancel(owner_.hwnd(), text); }
  bool AskYesNo(std::string_view text) override { return framework::AskYesNo(owner_.hwnd(), text); }

 private:
  const framework::WindowHandle& owner_;
};

}  // namespace vyr
