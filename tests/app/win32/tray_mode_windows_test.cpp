// Tray mode on the real windows, under Wine: the main window's tray menus
// and the Mini window, wired to the program's controllers as WinMain wires
// them, with fakes for the rest. The menus are read back as the platform
// holds them.
#include <gtest/gtest.h>
#include <windows.h>
#include <imm.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "app/win32/main_window.h"
#include "desktop/win32/mini_window_form.h"
#include "fakes/application_fakes.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

// 隠れるのはやめる(&T), デスクトップに表示, ツリービュー形式で表示, ヘルプ,
// 設定(&O)..., VYr終了(&X)
const std::string kStopHiding = "\x89\x42\x82\xEA\x82\xE9\x82\xCC\x82\xCD\x82\xE2\x82\xDF\x82\xE9(&T)";
const std::string kShowOnDesktop = "\x83\x66\x83\x58\x83\x4E\x83\x67\x83\x62\x83\x76\x82\xC9\x95\x5C\x8E\xA6";
const std::string kShowAsTree =
    "\x83\x63\x83\x8A\x81[\x83\x72\x83\x85\x81[\x8C`\x8E\xAE\x82\xC5\x95\x5C\x8E\xA6";
const std::string kHelp = "\x83\x77\x83\x8B\x83\x76";
const std::string kSettings = "\x90\xDD\x92\xE8(&O)...";
const std::string kExit = "VYr\x8F\x49\x97\xB9(&X)";

HBITMAP PictureAt(HMENU menu, int position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP;
  GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
  return info.hbmpItem;
}

// One line per item: "-" for a separator, "TEXT >" for a submenu, else the
// text (caption, tab, shortcut) and " [SIZE]" for a square picture.
V Items(HMENU menu) {
  V items;
  for (int k = 0; k < GetMenuItemCount(menu); ++k) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, static_cast<UINT>(k), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      items.push_back("-");
      continue;
    }
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(k), text, sizeof text, MF_BYPOSITION);
    std::string line = text;
    if (info.hSubMenu != nullptr) line += " >";
    if (HBITMAP picture = PictureAt(menu, k)) {
      BITMAP bitmap = {};
      GetObjectA(picture, sizeof bitmap, &bitmap);
      line += " [" + std::to_string(bitmap.bmWidth) +
              (bitmap.bmHeight == bitmap.bmWidth ? "" : "x" + std::to_string(bitmap.bmHeight)) +
              "]";
    }
    items.push_back(line);
  }
  return items;
}

// The pixels of a picture that are not the button face: what the icon drew.
int IconPixels(HBITMAP picture) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture);
  BITMAP bitmap = {};
  GetObjectA(picture, sizeof bitmap, &bitmap);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int painted = 0;
  for (int y = 0; y < bitmap.bmHeight; ++y) {
    for (int x = 0; x < bitmap.bmWidth; ++x) painted += GetPixel(dc, x, y) != face ? 1 : 0;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return painted;
}

// The texts of an editable combo box's list, top to bottom.
V ComboBoxList(HWND box) {
  V entries;
  const int count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
  for (int k = 0; k < count; ++k) {
    char text[256] = {};
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(text));
    entries.emplace_back(text);
  }
  return entries;
}

bool CanTakeHotKey(UINT modifiers, UINT key) {
  if (!RegisterHotKey(nullptr, 0x7000, modifiers, key)) return false;
  UnregisterHotKey(nullptr, 0x7000);
  return true;
}

class TrayModeWindowsTest : public ::testing::Test, protected test::ApplicationFakes {
 protected:
  void SetUp() override {
    if (!form1.Create(nullptr)) GTEST_SKIP() << "no windows without a display here";
    ASSERT_TRUE(form4.Create(form1.hwnd(), nullptr));
    form1.SetOtherWindows(nullptr, &form4);
    form1.SetApplication(&application);
    form4.SetController(&application.mini_window());
    application.Start({"c:\\vyr\\vyr.exe"});
  }
  void TearDown() override {
    form4.SetController(nullptr);
    form1.SetApplication(nullptr);
  }

  HWND MiniComboBox() const { return FindWindowExA(form4.hwnd(), nullptr, "COMBOBOX", nullptr); }
  // Enter and Esc in the Mini window's box, as the dialog keys deliver them.
  void MiniKey(int id) { SendMessageA(form4.hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

  TForm1 form1{shell};
  TForm4 form4;
  Application application{
      ApplicationViews{form1, chooser, scan, form4, tray, form1, about, shell, warnings,
                       settings_windows.Views()},
      ApplicationServices{files, lister, drives, drives, settings_files.Files(), form4},
      "c:\\vyr\\vyr.exe", "c:\\vyr\\"};
};

TEST_F(TrayModeWindowsTest, TheLaunchMenuHoldsTheCommandsWhileInTrayModeOnly) {
  const V designed{kStopHiding, "-", kHelp + " >", kSettings, kExit};
  HMENU launch = form1.PopLaunch().handle();
  EXPECT_EQ(Items(launch), designed);

  application.tray_mode().Enter();
  EXPECT_EQ(Items(launch), (V{kStopHiding, "-", kShowOnDesktop + "\tCtrl+Alt+G [16]",
                              kShowAsTree + " [16]", "-", kHelp + " >", kSettings, kExit}));
  EXPECT_FALSE(IsWindowVisible(form1.hwnd()));

  // 隠れるのはやめる(&T), chosen from the tray.
  form1.OnTrayMenuChoice(TrayMenu::kLaunch, form1.PopLaunch().TagAt(0));
  EXPECT_EQ(Items(launch), designed);
  EXPECT_TRUE(IsWindowVisible(form1.hwnd()));

  // A separator entry, a program with icons of its own and a document
  // without (its type's icon, where the system finds one; Wine finds none,
  // which leaves the picture blank); entering twice over a leave leaves one
  // set.
  char notes[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, notes);
  lstrcatA(notes, "vyr-launch-notes.txt");
  CloseHandle(CreateFileA(notes, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  application.session().commands.Add({"-", "", "", "", ""});
  application.session().commands.Add({"Pad", "c:\\windows\\notepad.exe", "", "", ""});
  application.session().commands.Add({"&Notes", notes, "%d", "", "Shift+F5"});
  application.tray_mode().Enter();
  application.tray_mode().Leave();
  application.tray_mode().Enter();
  EXPECT_EQ(Items(launch),
            (V{kStopHiding, "-", kShowOnDesktop + "\tCtrl+Alt+G [16]", kShowAsTree + " [16]", "-",
               "Pad [16]", "&Notes\tShift+F5 [16]", "-", kHelp + " >", kSettings, kExit}));
  EXPECT_GT(IconPixels(PictureAt(launch, 5)), 0) << "no icon drawn for notepad.exe";
  DeleteFileA(notes);
}

TEST_F(TrayModeWindowsTest, HotKeysAreHeldByTheMiniWindowWhileInTrayMode) {
  const UINT ctrl_alt = MOD_CONTROL | MOD_ALT;
  EXPECT_TRUE(CanTakeHotKey(ctrl_alt, 'G'));
  application.tray_mode().Enter();
  EXPECT_FALSE(CanTakeHotKey(ctrl_alt, 'G'));
  EXPECT_FALSE(CanTakeHotKey(ctrl_alt, 'S'));  // the scan hot key
  application.tray_mode().Leave();
  EXPECT_TRUE(CanTakeHotKey(ctrl_alt, 'G'));
  EXPECT_TRUE(CanTakeHotKey(ctrl_alt, 'S'));
}

TEST_F(TrayModeWindowsTest, ALaunchItemShowsTheMiniWindowAndEnterGoesThere) {
  application.ScanShownDrive();
  application.tray_mode().Enter();
  log.Take();
  form1.OnTrayMenuChoice(TrayMenu::kLaunch, 9000);
  ASSERT_TRUE(IsWindowVisible(form4.hwnd()));
  EXPECT_EQ(form4.Text(), kShowOnDesktop + " - C:");
  EXPECT_EQ(log.Take(), V{"tray: icon off"});

  // As high as the input box, and it follows the width.
  HWND box = MiniComboBox();
  RECT client = form4.ClientRect();
  RECT box_rect = {};
  GetWindowRect(box, &box_rect);
  EXPECT_EQ(client.bottom, box_rect.bottom - box_rect.top);
  const RECT bounds = form4.Bounds();
  form4.Move(bounds.left, bounds.top, 400, bounds.bottom - bounds.top);
  client = form4.ClientRect();
  GetWindowRect(box, &box_rect);
  EXPECT_EQ(box_rect.right - box_rect.left, client.right - 44 - 2);
  MINMAXINFO limits = {};
  SendMessageA(form4.hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_GE(limits.ptMinTrackSize.x, 34 + 32);
  EXPECT_EQ(limits.ptMinTrackSize.y, bounds.bottom - bounds.top);
  EXPECT_EQ(limits.ptMaxTrackSize.y, bounds.bottom - bounds.top);
  EXPECT_EQ(limits.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));

  // Esc puts it away; Enter runs GO for the typed text with this command.
  MiniKey(IDCANCEL);
  EXPECT_FALSE(IsWindowVisible(form4.hwnd()));
  EXPECT_EQ(log.Take(), V{"tray: icon on"});
  form1.OnTrayMenuChoice(TrayMenu::kLaunch, 9000);
  SetWindowTextA(box, "abd");
  MiniKey(IDOK);
  EXPECT_FALSE(IsWindowVisible(form4.hwnd()));
  EXPECT_EQ(log.Take(), (V{"tray: icon off", "tray: icon on", "run Explorer.exe | c:\\abd\\ | "}));
  EXPECT_EQ(form1.InputText(), "abd");
  EXPECT_EQ(ComboBoxList(box), V{"c:\\abd"});
  EXPECT_EQ(Items(form1.PopHistory().handle()), V{"c:\\abd"});
}

bool InputMethodOpen(HWND window) {
  HIMC context = ImmGetContext(window);
  const bool open = ImmGetOpenStatus(context) != FALSE;
  ImmReleaseContext(window, context);
  return open;
}

void OpenInputMethod(HWND window) {
  HIMC context = ImmGetContext(window);
  ImmSetOpenStatus(context, TRUE);
  ImmReleaseContext(window, context);
}

// On this code page (932) the box closes the input method each time it takes
// the focus, if the setting says so, and leaves it alone otherwise.
TEST_F(TrayModeWindowsTest, TheMiniWindowsBoxClosesTheInputMethodOnlyWhenAsked) {
  application.tray_mode().Enter();
  HWND edit = FindWindowExA(MiniComboBox(), nullptr, "EDIT", nullptr);
  ASSERT_NE(edit, nullptr);
  for (bool close : {true, false, true}) {
    form4.SetCloseInputMethod(close);
    OpenInputMethod(edit);
    ASSERT_TRUE(InputMethodOpen(edit));
    form1.OnTrayMenuChoice(TrayMenu::kLaunch, 9000);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(InputMethodOpen(edit), !close) << "close " << close;
    MiniKey(IDCANCEL);
  }
}

TEST_F(TrayModeWindowsTest, TheHistoryMenuListsOldestFirstAndRepeatsGo) {
  application.ScanShownDrive();
  for (const char* text : {"abc", "abd"}) {
    form1.SetInputText(text);
    application.Go();
  }
  application.tray_mode().Enter();
  HMENU history = form1.PopHistory().handle();
  EXPECT_EQ(Items(history), (V{"c:\\abc", "c:\\abd"}));
  EXPECT_EQ(ComboBoxList(MiniComboBox()), (V{"c:\\abd", "c:\\abc"}));
  log.Take();
  form1.OnTrayMenuChoice(TrayMenu::kHistory, form1.PopHistory().TagAt(0));
  EXPECT_EQ(form1.InputText(), "c:\\abc");
  const V runs = log.Take();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(runs[0].starts_with("run Explorer.exe | c:\\")) << runs[0];
  // The menus show the history as it was at the last fill.
  EXPECT_EQ(Items(history), (V{"c:\\abc", "c:\\abd"}));
  application.tray_mode().Leave();
  EXPECT_EQ(Items(history), V{});
  EXPECT_EQ(ComboBoxList(MiniComboBox()), V{});
}

}  // namespace
}  // namespace vyr
