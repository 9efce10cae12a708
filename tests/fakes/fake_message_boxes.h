// The warning box ("warn TEXT") and the confirmation box ("confirm TEXT",
// answered with `answer`).
#pragma once

#include <string>

#include "fakes/effect_log.h"
#include "ui/confirmation_box.h"
#include "ui/warning_box.h"

namespace vyr::test {

class FakeWarnings final : public WarningBox, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  void ShowWarning(std::string_view text) override { Log("warn " + std::string(text)); }
};

class FakeConfirmation final : public ConfirmationBox, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  bool answer = true;
  bool Confirm(std::string_view text) override {
    Log("confirm " + std::string(text));
    return answer;
  }
};

}  // namespace vyr::test
