// The confirmation box with はい(&Y) and いいえ(&N), as the controllers see it;
// the window layer owns its caption and buttons.
#pragma once

#include <string_view>

namespace vyr {

class YesNoBox {
 public:
  virtual ~YesNoBox() = default;
  // Asks `text`; true when the user chose yes.
  virtual bool AskYesNo(std::string_view text) = 0;
};

}  // namespace vyr
