#include "commands/command_page.h"

#include <gtest/gtest.h>

#include "commands/commands_texts.h"
#include "fakes/fake_command_page.h"
#include "fakes/fake_message_boxes.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

class CommandPageTest : public ::testing::Test {
 protected:
  // A list of the given titles, shown, with `selected` selected.
  void Start(const V& titles, int selected) {
    commands.Clear();
    for (const std::string& title : titles) commands.Add({title, title + ".exe", "", "", ""});
    rows.ShowEntries(commands.entries());
    rows.selected = selected;
    log.Take();
  }
  V Titles() const {
    V titles;
    for (const CommandEntry& entry : commands.entries()) titles.push_back(entry.title);
    return titles;
  }

  test::EffectLog log;
  test::FakeCommandRows rows{log};
  test::FakeCommandEditor editor{log};
  test::FakeWarnings warnings{log};
  test::FakeYesNo questions{log};
  CommandList commands;
  CommandPage page{commands, CommandPageViews{rows, editor, warnings, questions}};
};

TEST_F(CommandPageTest, RemoveKeepsOneEntryAndAsksFirst) {
  Start({"-"}, 0);  // a lone separator is kept too
  page.RemoveSelected();
  EXPECT_EQ(log.Take(), V{std::string("warn ") + texts::kKeepOneCommand});
  Start({"-", "one"}, 0);
  questions.answer = false;
  page.RemoveSelected();
  EXPECT_EQ(Titles(), (V{"-", "one"}));
  questions.answer = true;
  rows.selected = 1;
  page.RemoveSelected();
  EXPECT_EQ(log.Take(), (V{std::string("ask ") + texts::kRemoveCommandBefore + "-" + texts::kRemoveCommandAfter,
                           std::string("ask ") + texts::kRemoveCommandBefore + "one" + texts::kRemoveCommandAfter}));
  EXPECT_EQ(Titles(), V{"-"});
  EXPECT_EQ(rows.titles, V{"-"});
  EXPECT_EQ(rows.selected, -1);
}

TEST_F(CommandPageTest, MovesStopAtTheEndsAndTheSelectionGoesAlong) {
  struct Case { int selected; bool up; V titles; int selected_after; };
  const Case cases[] = {
      {0, true, {"a", "b", "c"}, 0},    // the first cannot go up
      {2, false, {"a", "b", "c"}, 2},   // the last cannot go down
      {-1, true, {"a", "b", "c"}, -1},  // nothing selected
      {1, true, {"b", "a", "c"}, 0},
      {1, false, {"a", "c", "b"}, 2},
  };
  for (const Case& c : cases) {
    Start({"a", "b", "c"}, c.selected);
    c.up ? page.MoveUp() : page.MoveDown();
    EXPECT_EQ(Titles(), c.titles) << c.selected << c.up;
    EXPECT_EQ(rows.selected, c.selected_after) << c.selected << c.up;
  }
}

TEST_F(CommandPageTest, DraggingLandsBelowWhenMovedDownAndAboveWhenMovedUp) {
  struct Case { int dragged, target; V titles; };
  const Case cases[] = {
      {2, 0, {"c", "a", "b", "d", "e"}},  // the third onto the first: first
      {0, 2, {"b", "c", "a", "d", "e"}},  // the first onto the third: third
      {1, 1, {"a", "b", "c", "d", "e"}},  // onto itself: stays
      {4, 3, {"a", "b", "c", "e", "d"}},
      {0, 4, {"b", "c", "d", "e", "a"}},
  };
  for (const Case& c : cases) {
    Start({"a", "b", "c", "d", "e"}, c.dragged);
    page.DropRowOn(c.target);
    EXPECT_EQ(Titles(), c.titles) << c.dragged << " onto " << c.target;
    EXPECT_EQ(rows.titles, c.titles);
    EXPECT_EQ(rows.selected, -1);
  }
  Start({"a", "b"}, -1);
  page.DropRowOn(0);  // nothing dragged
  EXPECT_EQ(Titles(), (V{"a", "b"}));
}

TEST_F(CommandPageTest, ASeparatorGoesAtTheSelectionOrAtTheEnd) {
  Start({"a", "b"}, -1);
  page.InsertSeparator();
  EXPECT_EQ(Titles(), (V{"a", "b", "-"}));
  Start({"a", "b"}, 0);
  page.InsertSeparator();
  EXPECT_EQ(Titles(), (V{"-", "a", "b"}));
  EXPECT_EQ(rows.selected, -1);
}

TEST_F(CommandPageTest, AddedAndDroppedEntriesGoAgainWhenTheEditorIsCancelled) {
  Start({"a"}, 0);
  editor.answer = false;
  page.AddEntry();
  EXPECT_EQ(log.Take(), V{std::string("edit ") + texts::kUntitled});
  EXPECT_EQ(Titles(), V{"a"});
  page.DropFiles({"C:\\Tools\\viewer.tool.exe"});
  EXPECT_EQ(editor.shown, (CommandEntry{"viewer.tool", "C:\\Tools\\viewer.tool.exe", "", "C:\\Tools\\", ""}));
  EXPECT_EQ(Titles(), V{"a"});

  editor.answer = true;
  editor.edited = CommandEntry{"Viewer", "C:\\Tools\\viewer.tool.exe", "%s", "", "Ctrl+V"};
  page.DropFiles({"C:\\Tools\\viewer.tool.exe"});
  EXPECT_EQ(Titles(), (V{"a", "Viewer"}));
  EXPECT_EQ(commands[1].hot_key, "Ctrl+V");
  EXPECT_EQ(rows.selected, 1);
  log.Take();
  page.DropFiles({"x.exe", "y.exe"});
  EXPECT_EQ(log.Take(), V{std::string("warn ") + texts::kDropOneAtATime});
  EXPECT_EQ(Titles(), (V{"a", "Viewer"}));
}

TEST(EntryForFile, TitleDirectoryAndProgram) {
  struct Case { std::string path, title, directory; };
  const Case cases[] = {
      {"C:\\Tools\\viewer.tool.exe", "viewer.tool", "C:\\Tools\\"},
      {"C:\\readme", "readme", "C:\\"},
      {"C:\\\x83\x5C\\a.b", "a", "C:\\\x83\x5C\\"},  // ソ's second byte is no separator
      {"C:\\x\\.profile", ".profile", "C:\\x\\"},
  };
  for (const Case& c : cases) {
    const CommandEntry entry = EntryForFile(c.path);
    EXPECT_EQ(entry.title, c.title) << c.path;
    EXPECT_EQ(entry.directory, c.directory) << c.path;
    EXPECT_EQ(entry.program, c.path);
  }
}

}  // namespace
}  // namespace vyr
