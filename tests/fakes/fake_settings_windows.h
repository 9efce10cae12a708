// The settings dialog with its editor and boxes, every one a fake on one log.
#pragma once

#include "app/application.h"
#include "fakes/fake_command_page.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_settings_dialog.h"

namespace vyr::test {

struct FakeSettingsWindows {
  explicit FakeSettingsWindows(EffectLog& log)
      : dialog(log), rows(log), editor(log), warnings(log), questions(log), confirmation(log) {}
  SettingsWindows Views() {
    return SettingsWindows{dialog, rows, editor, warnings, questions, confirmation};
  }

  FakeSettingsDialog dialog;
  FakeCommandRows rows;
  FakeCommandEditor editor;
  FakeWarnings warnings;
  FakeYesNo questions;
  FakeConfirmation confirmation;
};

}  // namespace vyr::test
