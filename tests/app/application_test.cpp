#include "app/application.h"

#include <gtest/gtest.h>

#include "index/fakes.h"
#include "jump/recorder.h"
#include "support/test_tree.h"

namespace vyr {
namespace {

using test::Dir;
using V = std::vector<std::string>;

class FakeMainWindow final : public MainWindowView {
 public:
  std::string input;
  V history, drive_entries, scan_menu, effects;
  int shown_entry = -1;
  bool completion = false;
  std::string InputText() const override { return input; }
  void SetInputText(const std::string& text) override { input = text; }
  void ShowHistory(const V& entries) override { history = entries; }
  void FillDriveBox(const std::vector<DriveBoxEntry>& entries) override {
    drive_entries.clear();
    for (const DriveBoxEntry& entry : entries) drive_entries.push_back(entry.text);
  }
  void ShowDriveEntry(int index) override { shown_entry = index; }
  void RepaintDriveBox() override {}
  void FillScanMenu(const V& captions) override { scan_menu = captions; }
  void PlaceWindows(const SettingsValues&) override { effects.push_back("place"); }
  void TakePlacement(SettingsValues&) const override {}
  void SetCompletion(bool on) override { completion = on; }
  void Close() override { effects.push_back("close"); }
};

class NoChooser final : public ChooserView {
 public:
  std::optional<std::size_t> Choose(const V&) override { return std::nullopt; }
};

// A scan view that paints the main window as each scan shows itself, as a
// message box or a repaint would.
class PaintingScanView final : public ScanView {
 public:
  Application* application = nullptr;
  V scanned;
  void SetDriveLetter(char letter) override { scanned.push_back(std::string(1, letter)); }
  void SetBarRange(int, bool) override {}
  void SetBarPosition(int) override {}
  void SetPathText(std::string_view) override {}
  void SetCountText(std::string_view) override {}
  void Show() override {
    if (application != nullptr) application->OnPaint();
  }
  void Hide() override {}
  void Repaint() override {}
  void ShowProgress() override {}
  void SetBusyCursor(bool) override {}
};

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() {
    lister.listings["c:\\"] = {Dir("abc"), Dir("abd")};
    lister.listings["C:\\"] = lister.listings["c:\\"];
    lister.listings["d:\\"] = {Dir("win")};
    lister.listings["D:\\"] = lister.listings["d:\\"];
    scan.application = &application;
  }
  void Start(V args) {
    args.insert(args.begin(), "vyr.exe");
    args.insert(args.begin() + 1, {"/i", settings_path});
    application.Start(args, 'c',
                      {{'c', platform::DriveType::kFixed, "SYS", {}},
                       {'d', platform::DriveType::kFixed, "DATA", {}}});
  }

  test::FakeFileSystem files;
  test::FakeLister lister;
  FakeMainWindow main;
  NoChooser chooser;
  PaintingScanView scan;
  test::Recorder recorder;
  std::string settings_path = test::ScratchDirectory() + "application.INI";
  Application application{ApplicationViews{main, chooser, scan, recorder, recorder}, files, lister,
                          "c:\\vyr\\vyr.exe", "c:\\vyr\\"};
};

TEST_F(ApplicationTest, StartFillsTheDriveBoxAndSelectsTheCurrentDriveThenTheSwitchedOne) {
  Start({"/d", "D"});
  EXPECT_EQ(main.drive_entries, (V{"c: [sys]", "d: [data]"}));
  EXPECT_EQ(main.scan_menu.size(), 2u);
  EXPECT_EQ(main.shown_entry, 1);
  EXPECT_EQ(application.CurrentLetter(), 'd');
  EXPECT_EQ(application.commands().size(), 2u);  // the default list
  EXPECT_EQ(main.effects, V{"place"});
}

TEST_F(ApplicationTest, ScanAndExitScansEachDriveOnceThenCloses) {
  Start({"/s", "Cxd"});
  application.OnPaint();
  EXPECT_EQ(scan.scanned, (V{"C", "D"}));
  EXPECT_EQ(main.effects, (V{"place", "close"}));
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_.path"], "d:\\win\r\n");
  application.OnPaint();
  EXPECT_EQ(scan.scanned.size(), 2u);
}

TEST_F(ApplicationTest, OneShotTakesPrecedenceAndEscCloses) {
  Start({"/s", "C", "/o", "0"});
  application.OnPaint();
  EXPECT_TRUE(scan.scanned.empty());
  application.OnEscape();
  EXPECT_EQ(main.effects, (V{"place", "close"}));
}

TEST_F(ApplicationTest, GoRunsTheCommandAndShowsTheNewHistory) {
  Start({});
  application.ScanShownDrive();
  main.input = "abd";
  application.Go();
  EXPECT_EQ(recorder.effects, V{"run Explorer.exe | c:\\abd\\ | "});
  EXPECT_EQ(main.history, V{"c:\\abd"});
  application.OnEscape();  // not one-shot: stays
  EXPECT_EQ(main.effects, V{"place"});
}

TEST_F(ApplicationTest, CloseWritesTheSettingsAndTheHistory) {
  Start({});
  application.ScanShownDrive();
  main.input = "abc";
  application.Go();
  application.OnCloseQuery();
  SettingsFile file = OpenSettingsFile(settings_path);
  EXPECT_EQ(file.ReadString("HISTORY", "NUM"), "1");
  EXPECT_EQ(file.ReadString("HISTORY", "1"), "c:\\abc");
  EXPECT_EQ(file.ReadString("OPTION", "HOTKEY2"), "Ctrl+Alt+S");
}

}  // namespace
}  // namespace vyr
