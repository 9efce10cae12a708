// The desktop controllers over one session, with every view a fake writing
// to one log, wired as the program wires them.
#pragma once

#include <gtest/gtest.h>

#include "desktop/mini_window.h"
#include "desktop/tray_mode.h"
#include "fakes/fake_chooser.h"
#include "fakes/fake_hot_keys.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_mini_window.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_tray.h"
#include "fakes/fake_drives.h"
#include "fakes/fake_scan_view.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_lister.h"
#include "session/drive_scans.h"

namespace vyr::test {

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() {
    session.commands.Add({"Go &there", "rec.exe", "%s", "", "Ctrl+Alt+G"});
    session.commands.Add({"-", "", "", "", ""});
    session.commands.Add({"Search", "web.exe", "q=%e", "", "^Q"});
    session.commands.Add({"Clock", "clock.exe", "%w", "", ""});
    drives.AddFixed('t', "TREE");
    files.files["Vyr_TREE.dir"] = "WIN\r\n";
    files.files["Vyr_TREE.path"] = "t:\\win\r\n";
    lister.listings["t:\\"] = {Dir("win"), Dir("new")};
    drive.Fill(drives.List());
    drive.SelectDrive('t');
    log.Take();
  }

  EffectLog log;
  FakeMainWindow main{log};
  FakeMiniWindow mini{log};
  FakeTrayIcon tray{log};
  FakeTrayMenus menus{log};
  FakeAboutBox about{log};
  FakeHotKeys hot_key_service{log};
  FakeShell shell{log};
  FakeWarnings warnings{log};
  FakeChooser chooser{log};
  Session session;
  FakeDrives drives{log};
  FakeFileSystem files;
  FakeLister lister;
  FakeScanView scan_view{log};
  IndexStore store{files, ""};
  DriveSelection drive{main, drives, store, session.index};
  Scanner scanner{session.index, store, lister, scan_view, warnings};
  DriveScans scans{drive, scanner, session.settings};
  ExpandAndRun run{session.commands, session.history, session.settings, session.mode,
                   shell, warnings, main};
  GoAction go{session.index, drive, session.history, session.settings, run, chooser, shell,
              warnings};
  GoButton go_button{go, session.history, main, mini};
  TrayMenus tray_menus{session.commands, session.history, menus, mini};
  HotKeyRegistration hot_keys{hot_key_service, session.settings, session.commands};
  TrayMode tray_mode{session, TrayModeViews{main, tray, about}, tray_menus, hot_keys, go_button};
  MiniWindow mini_window{session, MiniWindowViews{mini, main, tray},
                         MiniWindowParts{tray_menus, hot_keys, go_button, run, scans, drive}};
};

}  // namespace vyr::test
