// The Chooser: "choose A, B, ..." and the answer a test set.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fakes/effect_log.h"
#include "jump/go_action.h"

namespace vyr::test {

class FakeChooser final : public ChooserView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  std::optional<std::size_t> answer;
  std::optional<std::size_t> Choose(const std::vector<std::string>& candidates) override {
    std::string line = "choose";
    for (std::size_t k = 0; k < candidates.size(); ++k) line += (k ? ", " : " ") + candidates[k];
    Log(line);
    return answer;
  }
};

}  // namespace vyr::test
