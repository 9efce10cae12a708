// The warning box ("warn TEXT") and the confirmation box ("confirm TEXT",
// answered with `answer`).
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "fakes/effect_log.h"
#include "ui/confirmation_box.h"
#include "ui/warning_box.h"
#include "ui/yes_no_box.h"

namespace vyr::test {

class FakeWarnings final : public WarningBox, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  // What a message pumped while the box is up does, once.
  std::function<void()> on_show;
  void ShowWarning(std::string_view text) override {
    Log("warn " + std::string(text));
    if (const auto pumped = std::exchange(on_show, nullptr)) pumped();
  }
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

class FakeYesNo final : public YesNoBox, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  bool answer = true;
  bool AskYesNo(std::string_view text) override {
    Log("ask " + std::string(text));
    return answer;
  }
};

}  // namespace vyr::test
