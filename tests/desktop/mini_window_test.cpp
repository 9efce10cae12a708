#include "desktop/mini_window.h"

#include <algorithm>

#include "desktop/desktop_fixture.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

class MiniWindowTest : public test::DesktopTest {
 protected:
  MiniWindowTest() {
    session.settings.tray_mode = true;
    tray_mode.Enter();
    log.Take();
  }
  V LinesWithout(std::string_view prefix) {
    V lines = log.Take();
    std::erase_if(lines, [prefix](const std::string& line) { return line.starts_with(prefix); });
    return lines;
  }
};

TEST(NeedsInput, TheSixInputMacrosButNotTheDrivesOwn) {
  for (const char* line : {"%s\\", "a%db", "%e", "q=%u", "%x", "%j"}) EXPECT_TRUE(NeedsInput(line));
  for (const char* line : {"", "%w", "%S", "% s", "100%"}) EXPECT_FALSE(NeedsInput(line));
}

TEST_F(MiniWindowTest, ACommandThatTakesInputShowsTheWindowAndStaysCurrent) {
  mini_window.OnHotKey(0x1002);
  EXPECT_EQ(log.Take(), V{"mini: show"});
  EXPECT_EQ(mini.caption, "Search - T:");
  EXPECT_EQ(session.mode.current_command, 2);
  mini_window.OnHotKey(0x1000);  // another entry's key re-targets the open window
  EXPECT_EQ(mini.caption, "Go &there - T:");
  EXPECT_EQ(session.mode.current_command, 0);
}

TEST_F(MiniWindowTest, ACommandWithoutInputRunsAtOnceAndTheCurrentCommandComesBack) {
  mini_window.ShowForCommand(2);
  log.Take();
  mini_window.ShowForCommand(3);  // only the quote of %w: runs, and hides the open window
  EXPECT_EQ(log.Take(), (V{"run clock.exe | \" | ", "mini: hide"}));
  EXPECT_EQ(session.mode.current_command, 2);
  mini_window.ShowForCommand(1);  // a separator runs nothing but its warning
  mini_window.ShowForCommand(99);  // an entry that is gone shows nothing
  EXPECT_EQ(session.mode.current_command, 2);
}

TEST_F(MiniWindowTest, EnterWithPercentSGoesThroughGoAndRebuildsTheHistoryMenu) {
  mini_window.ShowForCommand(0);
  mini.input = " win ";
  log.Take();
  mini_window.OnEnter();
  EXPECT_EQ(log.Take(), (V{"mini: hide", "menus: empty history", "mini: empty list",
                           "main: text  win ", "run rec.exe | t:\\win | ", "menus: fill history",
                           "mini: fill list"}));
  EXPECT_EQ(menus.history, V{"t:\\win"});
  EXPECT_EQ(mini.input, " win ");  // the text stays in the box
}

TEST_F(MiniWindowTest, EnterWithoutPercentSRunsOnTheTypedTextAndRecordsItOnlyWhenAsked) {
  for (bool takes_input : {false, true}) {
    session.history.Clear();
    session.settings.history_takes_input = takes_input;
    mini_window.ShowForCommand(2);
    mini.input = "a b";
    log.Take();
    mini_window.OnEnter();
    EXPECT_EQ(LinesWithout("m"), V{"run web.exe | q=a+b | "});
    EXPECT_EQ(session.history.Entries(), takes_input ? V{"a b"} : V{});
    EXPECT_EQ(main.history, session.history.Entries());  // the main input box's list too
  }
}

TEST_F(MiniWindowTest, EscHidesAndTheTrayIconIsAwayWhileTheWindowIsShown) {
  mini_window.ShowForCommand(0);
  mini_window.OnShown();
  mini_window.OnEscape();
  mini_window.OnHidden();
  EXPECT_EQ(log.Take(), (V{"mini: show", "tray: icon off", "mini: hide", "tray: icon on"}));
  EXPECT_EQ(session.mode.current_command, 0);
}

TEST_F(MiniWindowTest, TheScanHotKeyRescansTheShownDriveWithTheHotKeysAway) {
  mini_window.ShowForCommand(0);
  log.Take();
  mini_window.OnHotKey(0x4444);
  const V lines = LinesWithout("scan: ");
  EXPECT_EQ(lines.front(), "tray: icon off");
  EXPECT_EQ(lines[1], "unregister 0x4444");
  const auto on = std::find(lines.begin(), lines.end(), "tray: icon on");
  ASSERT_NE(on, lines.end());
  EXPECT_EQ(*(on + 1), "register 0x4444 3 0x53");
  EXPECT_EQ(session.index.paths.size(), 2u);  // the new directory is found
  EXPECT_TRUE(mini.shown);                     // and the window stays open
  mini_window.OnHotKey(0x0FFF);                // no such identifier
  EXPECT_TRUE(log.lines().empty());
}

}  // namespace
}  // namespace vyr
