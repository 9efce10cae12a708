// The settings dialog window ("dialog: show", the options it was shown with).
#pragma once

#include "desktop/settings_dialog.h"
#include "fakes/effect_log.h"

namespace vyr::test {

class FakeSettingsDialog final : public SettingsDialogView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  DialogOptions shown;
  void ShowDialog(const DialogOptions& options) override {
    Log("dialog: show");
    shown = options;
  }
};

}  // namespace vyr::test
