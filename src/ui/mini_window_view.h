// The Mini window, as the controllers see it: a one-line input box whose text
// the commands' "%d" macros receive.
#pragma once

#include <string>

namespace vyr {

class MiniWindowView {
 public:
  virtual ~MiniWindowView() = default;
  virtual std::string InputText() const = 0;
};

}  // namespace vyr
