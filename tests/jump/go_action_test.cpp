#include "jump/go_action.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "fakes/fake_chooser.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_shell.h"
#include "jump/jump_texts.h"
#include "support/index_of.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

using test::IndexOf;

// A drive box over an index per drive: selecting another drive logs the
// switch and loads that drive's index, as the real one does.
class FakeDriveBox final : public DriveBox, test::LogsEffects {
 public:
  FakeDriveBox(test::EffectLog& log, LoadedIndex& loaded) : LogsEffects(log), loaded_(loaded) {}
  std::map<char, LoadedIndex> drives;
  char current = 'c';
  char CurrentLetter() const override { return current; }
  void SelectDrive(char letter) override {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    if (lower == current) return;
    current = lower;
    loaded_ = drives[lower];
    Log(std::string("select ") + letter);
  }

 private:
  LoadedIndex& loaded_;
};

class GoActionTest : public ::testing::Test {
 protected:
  GoActionTest() {
    index = IndexOf({{"ABC", "c:\\abc"}, {"ABCD", "c:\\x\\abcd"}, {"WIN", "c:\\win"}});
    drive.drives['c'] = index;
    commands.Add({"rec", "rec.exe", "%s|%d", "", ""});
  }
  void Go(std::string_view typed, std::string_view mini = "mini") {
    ExpandAndRun run(commands, history, settings, mode, shell, warnings, main);
    GoAction(index, drive, history, settings, run, chooser, shell, warnings).Go(typed, mini);
  }

  test::EffectLog log;
  test::FakeShell shell{log};
  test::FakeWarnings warnings{log};
  test::FakeMainWindow main{log};
  test::FakeChooser chooser{log};
  LoadedIndex index;
  FakeDriveBox drive{log, index};
  CommandList commands;
  History history;
  SettingsValues settings;
  RunMode mode;
};

TEST_F(GoActionTest, OneMatchRunsAtOnceWithTheMiniWindowText) {
  Go("win");
  EXPECT_EQ(log.lines(), V{"run rec.exe | c:\\win|mini | "});
  EXPECT_EQ(history.Entries(), V{"c:\\win"});
}

TEST_F(GoActionTest, SeveralMatchesAskTheChooser) {
  chooser.answer = 1;
  Go("abc");
  EXPECT_EQ(log.Take(), (V{"choose c:\\abc, c:\\x\\abcd", "run rec.exe | c:\\x\\abcd|mini | "}));
  chooser.answer.reset();
  Go("abc");
  chooser.answer = 7;  // no such entry
  Go("abc");
  EXPECT_EQ(log.lines(), (V{"choose c:\\abc, c:\\x\\abcd", "choose c:\\abc, c:\\x\\abcd"}));
}

TEST_F(GoActionTest, ADrivePrefixSwitchesTheDriveBeforeTheSearchAndTheSwitchStays) {
  drive.drives['d'] = IndexOf({{"WIN", "d:\\win"}});
  Go("d:win");
  EXPECT_EQ(log.Take(), (V{"select D", "run rec.exe | d:\\win|mini | "}));
  Go("D:nothing");  // the drive shown already: no reload
  EXPECT_EQ(log.Take(), V{"warn NOTHING" + std::string(texts::kNotFound)});
  Go("e:win");  // a drive without an index asks for a scan, and stays selected
  EXPECT_EQ(log.Take(), (V{"select E", "warn " + std::string(texts::kScanFirst)}));
  EXPECT_EQ(drive.current, 'e');
  Go("\\temp");  // the rooted form takes the drive shown now
  EXPECT_EQ(log.lines(), V{"run rec.exe | e:\\TEMP|mini | "});
}

TEST_F(GoActionTest, MessagesForNoMatchAndNoIndex) {
  Go("  zz ");
  EXPECT_EQ(log.Take(), V{"warn ZZ" + std::string(texts::kNotFound)});
  Go("   ");
  EXPECT_TRUE(log.lines().empty());
  index.no_index = true;
  Go("abc");
  EXPECT_EQ(log.lines(), V{"warn " + std::string(texts::kScanFirst)});
  EXPECT_TRUE(history.empty());
}

TEST_F(GoActionTest, TypedTextsGoToTheHistoryWhateverTheOutcome) {
  settings.history_takes_input = true;
  index.no_index = true;
  Go("  abc ");
  EXPECT_EQ(history.Entries(), V{"abc"});
  index.no_index = false;
  Go("win");
  EXPECT_EQ(history.Entries(), (V{"win", "abc"}));
}

TEST_F(GoActionTest, AddressesAreOpenedDirectlyAndRecordedEitherWay) {
  for (bool takes_input : {false, true}) {
    history.Clear();
    log.Take();
    settings.history_takes_input = takes_input;
    mode.one_shot = true;
    Go(" http://Example.com ");
    EXPECT_EQ(log.lines(), V{"open http://Example.com"});  // no close in one-shot mode
    EXPECT_EQ(history.Entries(), V{"http://Example.com"});
  }
}

}  // namespace
}  // namespace vyr
