#include "jump/go_action.h"

#include <gtest/gtest.h>

#include "jump/jump_texts.h"
#include "jump/recorder.h"

namespace vyr {
namespace {

class StillDrive final : public DriveBox {
 public:
  char CurrentLetter() const override { return 'c'; }
  void SelectDrive(char) override {}
};

class ScriptedChooser final : public ChooserView {
 public:
  std::optional<std::size_t> answer;
  std::vector<std::vector<std::string>> shown;
  std::optional<std::size_t> Choose(const std::vector<std::string>& candidates) override {
    shown.push_back(candidates);
    return answer;
  }
};

class GoActionTest : public ::testing::Test {
 protected:
  GoActionTest() {
    for (auto [name, path] : {std::pair{"ABC", "c:\\abc"}, {"ABCD", "c:\\x\\abcd"}, {"WIN", "c:\\win"}}) {
      index.names.push_back(name);
      index.paths.push_back(path);
    }
    index.no_index = false;
    commands.Add({"rec", "rec.exe", "%s|%d", "", ""});
  }
  void Go(std::string_view typed, std::string_view mini = "mini") {
    ExpandAndRun run(commands, history, settings, mode, recorder, recorder, recorder);
    GoAction(index, drive, history, settings, run, chooser, recorder, recorder).Go(typed, mini);
  }
  using V = std::vector<std::string>;

  LoadedIndex index;
  StillDrive drive;
  CommandList commands;
  History history;
  SettingsValues settings;
  RunMode mode;
  test::Recorder recorder;
  ScriptedChooser chooser;
};

TEST_F(GoActionTest, OneMatchRunsAtOnceWithTheMiniWindowText) {
  Go("win");
  EXPECT_EQ(recorder.effects, V{"run rec.exe | c:\\win|mini | "});
  EXPECT_TRUE(chooser.shown.empty());
  EXPECT_EQ(history.Entries(), V{"c:\\win"});
}

TEST_F(GoActionTest, SeveralMatchesAskTheChooser) {
  chooser.answer = 1;
  Go("abc");
  ASSERT_EQ(chooser.shown.size(), 1u);
  EXPECT_EQ(chooser.shown[0], (V{"c:\\abc", "c:\\x\\abcd"}));
  EXPECT_EQ(recorder.effects, V{"run rec.exe | c:\\x\\abcd|mini | "});

  recorder.effects.clear();
  chooser.answer.reset();
  Go("abc");
  EXPECT_TRUE(recorder.effects.empty());
  chooser.answer = 7;  // no such entry
  Go("abc");
  EXPECT_TRUE(recorder.effects.empty());
}

TEST_F(GoActionTest, MessagesForNoMatchAndNoIndex) {
  Go("  zz ");
  EXPECT_EQ(recorder.effects, V{"warn ZZ" + std::string(texts::kNotFound)});
  recorder.effects.clear();
  Go("   ");
  EXPECT_TRUE(recorder.effects.empty());
  index.no_index = true;
  Go("abc");
  EXPECT_EQ(recorder.effects, V{"warn " + std::string(texts::kScanFirst)});
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
    recorder.effects.clear();
    settings.history_takes_input = takes_input;
    mode.one_shot = true;
    Go(" http://Example.com ");
    EXPECT_EQ(recorder.effects, V{"open http://Example.com"});  // no close in one-shot mode
    EXPECT_EQ(history.Entries(), V{"http://Example.com"});
  }
}

}  // namespace
}  // namespace vyr
