#include "jump/expand_and_run.h"

#include <gtest/gtest.h>

#include "jump/jump_texts.h"
#include "jump/recorder.h"

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
    ExpandAndRun(commands, history, settings, mode, recorder, recorder, recorder)
        .Run(directory, input);
  }
  CommandList commands;
  History history;
  SettingsValues settings;
  RunMode mode;
  test::Recorder recorder;
};

TEST_F(ExpandAndRunTest, OutsideTrayAndOneShotTheFirstEntryRunsAndTheDirectoryIsRecorded) {
  mode.current_command = 1;
  Run("c:\\WINDOWS", "win");
  EXPECT_EQ(recorder.effects, std::vector<std::string>{"run Explorer.exe | c:\\WINDOWS\\ | "});
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
  EXPECT_EQ(recorder.effects, std::vector<std::string>{"run search.exe | q=a+b \"d\" | c:\\tmp"});
}

TEST_F(ExpandAndRunTest, OneShotRunsTheCurrentCommandThenCloses) {
  mode.one_shot = true;
  mode.current_command = 1;
  Run("d:\\x", "abc");
  const std::vector<std::string> effects = {"run search.exe | q=abc \"d\" | c:\\tmp", "close"};
  EXPECT_EQ(recorder.effects, effects);
}

TEST_F(ExpandAndRunTest, NoEntryOrASeparatorStartsNothingAndSaysSo) {
  struct Case { long long current; std::string warning; };
  const Case cases[] = {{3, texts::kNoCommandToRun},
                        {-1, texts::kNoCommandToRun},
                        {1LL << 40, texts::kNoCommandToRun},
                        {2, texts::kSeparatorCannotRun}};
  mode.one_shot = true;
  for (const Case& c : cases) {
    recorder.effects.clear();
    mode.current_command = c.current;
    Run("c:\\a");
    EXPECT_EQ(recorder.effects, std::vector<std::string>{"warn " + c.warning}) << c.current;
  }
  CommandList empty;
  recorder.effects.clear();
  ExpandAndRun(empty, history, settings, RunMode{}, recorder, recorder, recorder).Run("c:\\", "");
  EXPECT_EQ(recorder.effects, std::vector<std::string>{"warn " + std::string(texts::kNoCommandToRun)});
}

TEST_F(ExpandAndRunTest, LongParameterLinesGoWhole) {
  const std::string directory = "c:\\" + std::string(400, 'd');
  Run(directory);
  ASSERT_EQ(recorder.effects.size(), 1u);
  EXPECT_EQ(recorder.effects[0], "run Explorer.exe | " + directory + "\\ | ");
}

}  // namespace
}  // namespace vyr
