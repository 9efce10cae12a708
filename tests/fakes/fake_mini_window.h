// The Mini window: its input text.
#pragma once

#include <string>

#include "ui/mini_window_view.h"

namespace vyr::test {

class FakeMiniWindow final : public MiniWindowView {
 public:
  std::string input;
  std::string InputText() const override { return input; }
};

}  // namespace vyr::test
