#include "desktop/settings_dialog.h"

#include "desktop/desktop_fixture.h"
#include "fakes/fake_command_page.h"
#include "fakes/fake_profile.h"
#include "fakes/fake_settings_dialog.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

class SettingsDialogTest : public test::DesktopTest {
 protected:
  SettingsDialogTest() {
    auto owned = std::make_unique<test::FakeProfile>();
    profile = owned.get();
    file = std::make_unique<SettingsFile>(std::move(owned), "C:\\vyr\\Vyr.ini");
    session.commands.Save(*file);
    profile->written.clear();
    dialog.UseSettingsFile(*file);
  }

  // The options as the user leaves them in the dialog.
  DialogOptions Edited() {
    DialogOptions options = OptionsOf(session.settings);
    options.use_auto_complete = true;
    options.swap_menus = true;
    options.history_limit = 8;
    return options;
  }

  test::FakeProfile* profile;
  std::unique_ptr<SettingsFile> file;
  test::FakeSettingsDialog dialog_view{log};
  test::FakeCommandRows rows{log};
  test::FakeCommandEditor editor{log};
  test::FakeYesNo questions{log};
  test::FakeConfirmation confirmation{log};
  test::FakeWarnings main_warnings{log};
  SettingsDialog dialog{session,
                        SettingsDialogViews{dialog_view, rows, editor, main, mini, tray, warnings,
                                            main_warnings, questions, confirmation},
                        SettingsDialogParts{tray_menus, hot_keys, tray_mode}};
};

TEST_F(SettingsDialogTest, OutsideTrayModeOkAppliesTheOptionsAndSavesTheList) {
  dialog.Open();
  EXPECT_EQ(log.Take(), (V{"main: hide", "dialog: show"}));
  EXPECT_EQ(rows.titles.size(), 4u);
  EXPECT_EQ(dialog_view.shown, OptionsOf(session.settings));

  session.commands[2].title = "Edited";
  dialog.OnClosed(Edited());
  EXPECT_EQ(log.Take(), (V{"main: show", "tray: left launch, right history"}));
  EXPECT_TRUE(main.completion);
  EXPECT_TRUE(mini.completion);
  EXPECT_EQ(session.settings.history_limit, 8);
  EXPECT_EQ(profile->values["COMMANDS/DESCRIPTION2"], "Edited");
}

TEST_F(SettingsDialogTest, CancelKeepsTheOptionsAndInTrayModeTheFileList) {
  tray_mode.Enter();
  log.Take();
  dialog.Open();
  EXPECT_EQ(log.Take(), (V{"tray: icon off", "unregister 0x4444", "unregister 0x1000",
                           "unregister 0x1001", "unregister 0x1002", "unregister 0x1003",
                           "menus: empty launch", "menus: empty history", "mini: empty list",
                           "dialog: show"}));
  session.commands.Remove(1);  // an edit that Cancel does not keep in tray mode
  dialog.OnClosed(std::nullopt);
  EXPECT_EQ(session.commands.size(), 4u);
  EXPECT_FALSE(main.completion);
  EXPECT_TRUE(profile->written.empty());
  const V back = log.Take();
  EXPECT_EQ(back.front(), "register 0x4444 3 0x53");
  EXPECT_EQ(back.back(), "tray: icon on");
}

TEST_F(SettingsDialogTest, AFailedSaveIsShownAndStillBringsTheTrayBack) {
  for (const bool in_tray : {false, true}) {
    SCOPED_TRACE(in_tray);
    if (in_tray) tray_mode.Enter();
    dialog.Open();
    session.commands[0].title = "Unsaved";
    profile->refuse_writes = true;
    log.Take();
    // The main window is back while the warning is up: its menu cannot open
    // the dialog again in the middle of the closing.
    main_warnings.on_show = [&] { dialog.Open(); };
    dialog.OnClosed(Edited());
    const V effects = log.Take();
    EXPECT_EQ(std::count(effects.begin(), effects.end(), "dialog: show"), 0);
    const std::string warning = std::string("warn C:\\vyr\\Vyr.ini ");
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects.back() == "tray: icon on", in_tray);
    EXPECT_NE(std::find_if(effects.begin(), effects.end(),
                           [&](const std::string& e) { return e.rfind(warning, 0) == 0; }),
              effects.end());
    EXPECT_TRUE(session.settings.use_auto_complete);  // taken before the save
    // Outside tray mode the edited list stays in memory; in tray mode the
    // file's list comes back with the tray.
    EXPECT_EQ(session.commands[0].title == "Unsaved", !in_tray);
    profile->refuse_writes = false;
  }
}

TEST_F(SettingsDialogTest, AFailedResetKeepsTheFilesList) {
  dialog.Open();
  profile->refuse_writes = true;
  dialog.ResetToDefault();
  EXPECT_EQ(session.commands.size(), 4u);
  EXPECT_EQ(rows.titles.size(), 4u);
  EXPECT_EQ(log.Take().back().rfind("warn C:\\vyr\\Vyr.ini ", 0), 0u);
}

TEST_F(SettingsDialogTest, ClearHistoryAsksAndEmptiesTheDropDownList) {
  session.history.Assign({"a", "b"});
  confirmation.answer = false;
  dialog.ClearHistory();
  EXPECT_EQ(session.history.size(), 2u);
  confirmation.answer = true;
  dialog.ClearHistory();
  EXPECT_TRUE(session.history.empty());
  EXPECT_TRUE(main.history.empty());
}

TEST(HistoryLimitOfTest, TextsBroughtIntoTheRange) {
  const struct {
    const char* text;
    int limit;
  } cases[] = {{"16", 16}, {"8", 8}, {"256", 256}, {"7", 8}, {"0", 8}, {"-5", 8},
               {"257", 256}, {"99999999999999999999", 256}, {"-99999999999999999999", 8},
               {"", 8}, {"abc", 8}, {"12x", 8}, {" 32 ", 32}};
  for (const auto& c : cases) EXPECT_EQ(HistoryLimitOf(c.text), c.limit) << c.text;
}

}  // namespace
}  // namespace vyr
