// The fakes an Application is wired with in its tests, beside the views a
// test makes real or fakes itself: every view writes to one log.
#pragma once

#include "fakes/effect_log.h"
#include "fakes/fake_chooser.h"
#include "fakes/fake_drives.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_lister.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_scan_view.h"
#include "fakes/fake_settings_files.h"
#include "fakes/fake_settings_windows.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_tray.h"

namespace vyr::test {

struct ApplicationFakes {
  // Drive c: "SYS", the current drive, holding abc and abd.
  ApplicationFakes() {
    lister.listings["c:\\"] = {Dir("abc"), Dir("abd")};
    lister.listings["C:\\"] = lister.listings["c:\\"];
    drives.AddFixed('c', "SYS");
    drives.current = 'c';
  }

  EffectLog log;
  FakeChooser chooser{log};
  FakeScanView scan{log};
  FakeTrayIcon tray{log};
  FakeAboutBox about{log};
  FakeShell shell{log};
  FakeWarnings warnings{log};
  FakeSettingsWindows settings_windows{log};
  FakeDrives drives{log};
  FakeFileSystem files;
  FakeLister lister;
  FakeSettingsFiles settings_files;
};

}  // namespace vyr::test
