#include "desktop/tray_mode.h"

#include "desktop/desktop_fixture.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

class TrayModeTest : public test::DesktopTest {};

TEST_F(TrayModeTest, EnterAndLeaveInTheirOrders) {
  session.history.Assign({"new", "old"});
  tray_mode.Enter();
  EXPECT_TRUE(session.settings.tray_mode);
  EXPECT_EQ(log.Take(), (V{"register 0x4444 3 0x53", "register 0x1000 3 0x47", "register 0x1001 0 0",
                           "register 0x1002 2 0x51", "register 0x1003 0 0", "menus: fill launch",
                           "menus: fill history", "mini: fill list", "tray: icon on",
                           "tray: hide task-bar button", "main: hide"}));
  EXPECT_EQ(menus.history, (V{"old", "new"}));  // the oldest at the top
  EXPECT_EQ(mini.list, (V{"new", "old"}));      // the newest first

  session.commands.Add({"Fifth", "five.exe", "", "", ""});  // the list grew meanwhile
  tray_mode.Leave();
  EXPECT_FALSE(session.settings.tray_mode);
  EXPECT_EQ(log.Take(), (V{"unregister 0x4444", "unregister 0x1000", "unregister 0x1001",
                           "unregister 0x1002", "unregister 0x1003", "menus: empty launch",
                           "menus: empty history", "mini: empty list", "main: show",
                           "tray: icon off", "tray: restore task-bar button"}));
  tray_mode.Enter();
  tray_mode.Leave();
  tray_mode.Enter();
  EXPECT_EQ(menus.launch.size(), 6u);  // one set of launch items, however often
}

TEST_F(TrayModeTest, TheLaunchMenuListsEveryEntryBelowItsSeparator) {
  tray_mode.Enter();
  const std::vector<LaunchItem> expected = {
      {"-", "", 9999, "", true},
      {"Go &there", "Ctrl+Alt+G", 9000, "rec.exe", false},
      {"-", "", 9001, "", true},
      {"Search", "Ctrl+Q", 9002, "web.exe", false},  // "^Q" shown in its written form
      {"Clock", "", 9003, "clock.exe", false},
  };
  EXPECT_EQ(menus.launch, expected);
}

TEST_F(TrayModeTest, MenusFollowTheSwapSettingAndAnEmptyHistoryFillsNothing) {
  tray_mode.AssignTrayMenus();
  session.settings.swap_menus = true;
  tray_mode.AssignTrayMenus();
  EXPECT_EQ(log.Take(), (V{"tray: left history, right launch", "tray: left launch, right history"}));
  tray_menus.FillHistoryMenu();
  EXPECT_TRUE(log.lines().empty());
}

TEST_F(TrayModeTest, AboutFromTheTrayAndAHistoryItem) {
  tray_mode.ShowAboutFromTray();
  EXPECT_EQ(log.Take(), (V{"tray: icon off", "about", "tray: icon on"}));
  session.settings.tray_mode = true;
  session.mode.current_command = 0;
  main.input = "typed";
  tray_mode.OnHistoryItem("win");
  EXPECT_EQ(log.Take(), (V{"main: text win", "run rec.exe | t:\\win | "}));
}

}  // namespace
}  // namespace vyr
