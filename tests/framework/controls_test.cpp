// The control wrappers against the platform's own controls, under Wine.
#include "framework/controls.h"

#include <gtest/gtest.h>

#include "framework/menu.h"
#include "framework/window.h"

namespace vyr::framework {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_HOTKEY_CLASS |
                                                          ICC_UPDOWN_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    WindowArgs args;
    args.class_name = "VyrControlsTest";
    args.style = WS_OVERLAPPEDWINDOW;
    if (!window.Create(args)) GTEST_SKIP() << "no windows without a display here";
  }
  Window window;
};

// ソ (0x83 0x5C) and 表 (0x95 0x5C): Shift-JIS with a backslash second byte.
const std::string kJapanese = "c:\\\x83\x5C\x95\x5C";

TEST_F(ControlsTest, ComboBoxKeepsItemsAndText) {
  ComboBox box(CreateControl(window.hwnd(), {"COMBOBOX", "", CBS_DROPDOWN, 0, 0, 200, 200, 1}));
  box.Add("first");
  box.Add(kJapanese);
  EXPECT_EQ(box.Count(), 2);
  EXPECT_EQ(box.Item(1), kJapanese);
  EXPECT_EQ(box.Item(7), "");
  box.SetText(kJapanese);
  EXPECT_EQ(box.Text(), kJapanese);
  box.Clear();
  EXPECT_EQ(box.Count(), 0);
}

TEST_F(ControlsTest, ComboBoxExHoldsTextsAndPicturesAndHintsReachItsInside) {
  ComboBoxEx box(CreateControl(window.hwnd(), {WC_COMBOBOXEXA, "", CBS_DROPDOWNLIST, 0, 0, 150,
                                               200, 5}));
  box.SetPictures(ScopedImageList(ImageList_Create(16, 16, ILC_COLOR24, 2, 0)));
  box.Insert(0, "c: [system]", 1);
  box.Insert(1, kJapanese, 0);
  EXPECT_EQ(box.Count(), 2);
  box.Select(1);
  EXPECT_EQ(box.Selected(), 1);
  // The mouse goes to the combo box inside: the hint is its too.
  AddHint(window.hwnd(), box.hwnd(), "hint");
  HWND tips = reinterpret_cast<HWND>(GetPropA(window.hwnd(), "VyrHints"));
  ASSERT_NE(tips, nullptr);
  EXPECT_GE(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
  TOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = window.hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(box.Inner());
  EXPECT_TRUE(SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
  box.Clear();
  EXPECT_EQ(box.Count(), 0);
}

TEST_F(ControlsTest, ListViewRowsAndCells) {
  ListView view(CreateControl(window.hwnd(), {WC_LISTVIEWA, "", LVS_REPORT, 0, 0, 300, 200, 2}));
  view.AddColumn(0, "title", 100);
  view.AddColumn(1, "program", 100);
  view.InsertRow(0, "-");
  view.InsertRow(1, kJapanese);
  view.SetCell(1, 1, "Explorer.exe");
  EXPECT_EQ(view.Count(), 2);
  EXPECT_EQ(view.Cell(1, 0), kJapanese);
  EXPECT_EQ(view.Cell(1, 1), "Explorer.exe");
  view.Select(1);
  EXPECT_EQ(view.Selected(), 1);
  view.DeleteRow(0);
  EXPECT_EQ(view.Cell(0, 0), kJapanese);
}

TEST_F(ControlsTest, SpinEditStaysInItsRangeAndHotKeyFieldKeepsItsValue) {
  SpinEdit spin = CreateSpinEdit(window.hwnd(), 0, 0, 60, 20, 3);
  spin.SetRange(8, 256);
  spin.SetValue(16);
  EXPECT_EQ(spin.Value(), 16);
  spin.SetValue(1000);
  EXPECT_EQ(spin.Value(), 256);
  HotKeyField field(CreateControl(window.hwnd(), {HOTKEY_CLASSA, "", 0, 0, 30, 100, 20, 4}));
  field.SetValue(MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_ALT));
  EXPECT_EQ(field.Value(), MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_ALT));
}

TEST_F(ControlsTest, PopupMenuItemsAndSeparators) {
  PopupMenu menu;
  menu.Add({"one", "F1", 11});
  menu.Add({"-"});
  menu.Insert(0, {"zero", "", 10});
  menu.Add({"-", "", 9999});
  PopupMenu submenu;
  menu.AddSubmenu("sub", submenu);
  EXPECT_EQ(menu.Count(), 5);
  // A separator has the tag it was given; a submenu's item none, whatever
  // the handle its identifier field holds.
  EXPECT_EQ(menu.TagAt(0), 10);
  EXPECT_EQ(menu.TagAt(1), 11);
  EXPECT_EQ(menu.TagAt(2), 0);
  EXPECT_EQ(menu.TagAt(3), 9999);
  EXPECT_EQ(menu.TagAt(4), 0);
  EXPECT_EQ(menu.TagAt(5), 0);
  char text[64] = {};
  GetMenuStringA(menu.handle(), 10, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "zero");
  GetMenuStringA(menu.handle(), 11, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "one\tF1");
  menu.Clear();
  EXPECT_EQ(menu.Count(), 0);
}

}  // namespace
}  // namespace vyr::framework
