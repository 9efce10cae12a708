#include "jump/expand_and_run.h"

#include <gtest/gtest.h>

#include "jump/jump_texts.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_shell.h"

namespace vyr {
namespace {

class ExpandAndRunTest : public ::testing::Test {
 protected:
  ExpandAndRunTest() {
    commands.Add({"zero", "Explorer.exe", "%s\\", "", ""});
    commands.Add({"one", "search.exe", "q=%e %wd%w", "c:\\tmp", ""});
    commands.Add({"-", "", "", "", ""});
  }
  void Run(std::string_view directory, std::string_view input = "") {
    ExpandAndRun(commands, history, settings, mode, shell, warnings, main)
        .Run(directory, input);
  }
  CommandList commands;
  History history;
  SettingsValues settings;
  RunMode mode;
  test::EffectLog log;
  test::FakeShell shell{log};
  test::FakeWarnings warnings{log};
  test::FakeMainWindow main{log};
};

TEST_F(ExpandAndRunTest, OutsideTrayAndOneShotTheFirstEntryRunsAndTheDirectoryIsRecorded) {
  mode.current_command = 1;
  Run("c:\\WINDOWS", "win");
  EXPECT_EQ(log.lines(), std::vector<std::string>{"run Explorer.exe | c:\\WINDOWS\\ | "});
  EXPECT_EQ(history.Entries(), std::vector<std::string>{"c:\\WINDOWS"});
}

TEST_F(ExpandAndRunTest, HistoryOfTypedTextsRecordsNoDirectory) {
  settings.history_takes_input = true;
  Run("c:\\WINDOWS");
  EXPECT_TRUE(history.empty());
  settings.history_takes_input = false;
  Run("");
  EXPECT_TRUE(history.empty());
}

TEST_F(ExpandAndRunTest, TrayModeRunsTheCurrentCommand) {
  settings.tray_mode = true;
  mode.current_command = 1;
  Run("", "a b");
  EXPECT_EQ(log.lines(), std::vector<std::string>{"run search.exe | q=a+b \"d\" | c:\\tmp"});
}

TEST_F(ExpandAndRunTest, OneShotRunsTheCurrentCommandThenCloses) {
  mode.one_shot = true;
  mode.current_command = 1;
  Run("d:\\x", "abc");
  const std::vector<std::string> effects = {"run search.exe | q=abc \"d\" | c:\\tmp", "main: close"};
  EXPECT_EQ(log.lines(), effects);
}

TEST_F(ExpandAndRunTest, NoEntryOrASeparatorStartsNothingAndSaysSo) {
  struct Case { long long current; std::string warning; };
  const Case cases[] = {{3, texts::kNoCommandToRun},
                        {-1, texts::kNoCommandToRun},
                        {1LL << 40, texts::kNoCommandToRun},
                        {2, texts::kSeparatorCannotRun}};
  mode.one_shot = true;
  for (const Case& c : cases) {
    log.Take();
    mode.current_command = c.current;
    Run("c:\\a");
    EXPECT_EQ(log.lines(), std::vector<std::string>{"warn " + c.warning}) << c.current;
  }
  CommandList empty;
  log.Take();
  ExpandAndRun(empty, history, settings, RunMode{}, shell, warnings, main).Run("c:\\", "");
  EXPECT_EQ(log.lines(), std::vector<std::string>{"warn " + std::string(texts::kNoCommandToRun)});
}

TEST_F(ExpandAndRunTest, LongParameterLinesGoWhole) {
  const std::string directory = "c:\\" + std::string(400, 'd');
  Run(directory);
  ASSERT_EQ(log.lines().size(), 1u);
  EXPECT_EQ(log.lines()[0], "run Explorer.exe | " + directory + "\\ | ");
}

}  // namespace
}  // namespace vyr
