// The warning box (caption 警告, one OK button), as the core sees it; the
// window layer owns its caption and button.
#pragma once

#include <string_view>

namespace vyr {

class WarningBox {
 public:
  virtual ~WarningBox() = default;
  virtual void ShowWarning(std::string_view text) = 0;
};

}  // namespace vyr
