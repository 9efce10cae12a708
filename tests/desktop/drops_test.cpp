#include "desktop/drops.h"

#include "desktop/desktop_fixture.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

TEST(DroppedDirectoryText, CutAtTheLastSeparatorThenTwoDots) {
  struct Case { std::string path, text; };
  const Case cases[] = {
      {"C:\\Work\\Sub", "C:\\Work\\.."},
      {"C:\\Work\\Sub\\memo.txt", "C:\\Work\\Sub\\.."},
      {"D:\\", "D:\\.."},
      {"D:", "D:.."},
      {"memo.txt", ".."},
      {"", ".."},
      {"C:\\a\\\x83\x5C", "C:\\a\\.."},  // a name ending in ソ is cut before it
      {"\\\\server\\share", "\\\\server\\.."},
      {"C:\\" + std::string(300, 'x') + "\\y", "C:\\" + std::string(300, 'x') + "\\.."},
  };
  for (const Case& c : cases) EXPECT_EQ(DroppedDirectoryText(c.path), c.text) << c.path;
}

class DropsTest : public test::DesktopTest {
 protected:
  Drops drops{run, mini};
};

TEST_F(DropsTest, TheFirstItemRunsTheCommandWithNoInput) {
  drops.OnMainWindowDrop({"C:\\Work\\Sub", "C:\\other", "C:\\third"});
  EXPECT_EQ(log.Take(), V{"run rec.exe | C:\\Work\\.. | "});
  EXPECT_EQ(session.history.Entries(), V{"C:\\Work\\.."});
  drops.OnMainWindowDrop({});
  EXPECT_TRUE(log.lines().empty());
}

TEST_F(DropsTest, OnTheMiniWindowItHidesFirstAndRunsTheCurrentCommand) {
  session.settings.tray_mode = true;
  mini_window.ShowForCommand(2);
  mini.input = "typed";
  log.Take();
  drops.OnMiniWindowDrop({"C:\\Work\\Sub\\memo.txt"});
  EXPECT_EQ(log.Take(), (V{"mini: hide", "run web.exe | q= | "}));
}

}  // namespace
}  // namespace vyr
