#include "app/application.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/application_fakes.h"
#include "fakes/fake_hot_keys.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_mini_window.h"
#include "fakes/fake_tray.h"

namespace vyr {
namespace {

using test::Dir;
using V = std::vector<std::string>;

// Only the lines of the log that begin with `prefix`.
V LinesOf(const V& lines, std::string_view prefix) {
  V kept;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
               [prefix](const std::string& line) { return line.starts_with(prefix); });
  return kept;
}

class ApplicationTest : public ::testing::Test, protected test::ApplicationFakes {
 protected:
  ApplicationTest() {
    lister.listings["d:\\"] = {Dir("win")};
    lister.listings["D:\\"] = lister.listings["d:\\"];
    drives.AddFixed('d', "DATA");
  }
  void Start(V args) {
    args.insert(args.begin(), "c:\\vyr\\vyr.exe");
    application.Start(args);
  }
  test::FakeProfile& SettingsFile() { return settings_files.files["c:\\vyr\\vyr.INI"]; }

  test::FakeMainWindow main{log};
  test::FakeMiniWindow mini{log};
  test::FakeTrayMenus menus{log};
  test::FakeHotKeys hot_keys{log};
  Application application{
      ApplicationViews{main, chooser, scan, mini, tray, menus, about, shell, warnings,
                       settings_windows.Views()},
      ApplicationServices{files, lister, drives, drives, settings_files.Files(), hot_keys},
                          "c:\\vyr\\vyr.exe", "c:\\vyr\\"};
};

TEST_F(ApplicationTest, StartSelectsTheCurrentDriveThenTheOneOfTheCommandLine) {
  Start({"/d", "D"});
  EXPECT_EQ(main.drive_entries, (V{"c: [sys]", "d: [data]"}));
  EXPECT_EQ(main.scan_menu.size(), 2u);
  EXPECT_EQ(log.lines(), (V{"main: drive entry 0", "label c", "main: drive entry 1", "label d",
                            "main: place windows", "tray: left history, right launch"}));
  EXPECT_EQ(application.drives().CurrentLetter(), 'd');
  EXPECT_EQ(application.session().commands.size(), 2u);  // the default list
}

TEST_F(ApplicationTest, ScanAndExitScansEachDriveOnceThenCloses) {
  Start({"/s", "Cxd"});
  // A paint that arrives while a scan shows itself must not start it again.
  scan.on_show = [this] { application.OnPaint(); };
  log.Take();
  application.OnPaint();
  EXPECT_EQ(LinesOf(log.lines(), "scan: letter"), (V{"scan: letter C", "scan: letter D"}));
  EXPECT_EQ(log.lines().back(), "main: close");
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_DATA.path"], "d:\\win\r\n");
  log.Take();
  application.OnPaint();
  EXPECT_TRUE(log.lines().empty());
}

TEST_F(ApplicationTest, OneShotTakesPrecedenceAndEscCloses) {
  Start({"/s", "C", "/o", "0"});
  log.Take();
  application.OnPaint();
  EXPECT_TRUE(log.lines().empty());
  application.OnEscape();
  EXPECT_EQ(log.lines(), V{"main: close"});
}

TEST_F(ApplicationTest, GoRunsTheCommandOnTheMiniWindowTextAndShowsTheNewHistory) {
  Start({});
  application.ScanShownDrive();
  log.Take();
  main.input = "abd";
  mini.input = "typed";
  application.Go();
  EXPECT_EQ(log.Take(), V{"run Explorer.exe | c:\\abd\\ | "});
  EXPECT_EQ(main.history, V{"c:\\abd"});
  application.OnEscape();  // not one-shot: stays
  EXPECT_TRUE(log.lines().empty());
}

TEST_F(ApplicationTest, CloseWritesTheSettingsAndTheHistory) {
  SettingsFile().values["HISTORY/NUM"] = "1";
  SettingsFile().values["HISTORY/1"] = "old";
  Start({});
  application.ScanShownDrive();
  main.input = "abc";
  application.Go();
  main.placement.main_left = 123;
  application.OnCloseQuery();
  EXPECT_EQ(SettingsFile().values["HISTORY/NUM"], "2");
  EXPECT_EQ(SettingsFile().values["HISTORY/1"], "c:\\abc");
  EXPECT_EQ(SettingsFile().values["HISTORY/2"], "old");
  EXPECT_EQ(SettingsFile().values["DESKTOP/MAINLEFT"], "123");
  EXPECT_EQ(SettingsFile().values["OPTION/HOTKEY2"], "Ctrl+Alt+S");
  EXPECT_TRUE(application.session().index.names.empty());
}

}  // namespace
}  // namespace vyr
