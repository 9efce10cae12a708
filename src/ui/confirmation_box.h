// The confirmation box (caption 確認, buttons OK and キャンセル), as the
// controllers see it; the window layer owns its caption and buttons.
#pragma once

#include <string_view>

namespace vyr {

class ConfirmationBox {
 public:
  virtual ~ConfirmationBox() = default;
  // Asks `text`; true when the user chose OK.
  virtual bool Confirm(std::string_view text) = 0;
};

}  // namespace vyr
