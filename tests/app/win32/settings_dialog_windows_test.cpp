// The settings dialog on its real window, under Wine, over the program's own
// SettingsDialog and command page, with fakes for the rest; and the file-drop
// component on a window of its own. The controls are worked as a user works
// them (button clicks, keys, the close box) and read back as the platform
// holds them.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "commands/win32/filedrop.h"
#include "commands/win32/settings_form.h"
#include "desktop/desktop_fixture.h"
#include "desktop/settings_dialog.h"
#include "fakes/fake_command_page.h"
#include "fakes/fake_profile.h"
#include "framework/window.h"

namespace vyr {
namespace {

using V = std::vector<std::string>;

// (無題)
const std::string kUntitled = "(\x96\xB3\x91\xE8)";

// A drop as the shell hands it over: a DROPFILES header and the names, each
// ended by a zero, one more zero after the last.
HDROP MakeDrop(const V& paths, POINT at) {
  std::size_t bytes = sizeof(DROPFILES) + 1;
  for (const std::string& path : paths) bytes += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->pt = at;
  header->fWide = FALSE;
  char* names = reinterpret_cast<char*>(header + 1);
  for (const std::string& path : paths) {
    std::memcpy(names, path.c_str(), path.size() + 1);
    names += path.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

RECT RectIn(HWND parent, HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The editor as a real window shown modally over the dialog, as the program's
// own is: the dialog is disabled and loses the activation meanwhile.
// `while_open` runs inside the editor's loop; then it closes, and the fake
// answers.
class ModalEditor final : public framework::Window, public CommandEditorView {
 public:
  explicit ModalEditor(test::FakeCommandEditor& answers) : answers_(answers) {}
  bool Create(HWND owner) {
    framework::WindowArgs args;
    args.class_name = "VyrModalEditorTest";
    args.style = WS_POPUP | WS_CAPTION;
    args.owner = owner;
    args.x = args.y = 0;
    args.width = 200;
    args.height = 100;
    return Window::Create(args);
  }
  bool Edit(CommandEntry& entry) override {
    PostMessageA(hwnd(), WM_APP, 0, 0);
    Show();
    SetForegroundWindow(hwnd());
    ShowModal();
    return answers_.Edit(entry);
  }
  std::function<void()> while_open;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message != WM_APP) return Window::OnMessage(message, wparam, lparam);
    if (while_open) while_open();
    CloseWith(IDOK);
    return 0;
  }

 private:
  test::FakeCommandEditor& answers_;
};

class SettingsDialogWindowsTest : public test::DesktopTest {
 protected:
  void SetUp() override {
    if (!form6.Create(nullptr)) GTEST_SKIP() << "no windows without a display here";
    form6.SetController(&dialog);
    ASSERT_TRUE(modal_editor.Create(form6.hwnd()));
    auto owned = std::make_unique<test::FakeProfile>();
    file = std::make_unique<SettingsFile>(std::move(owned), "C:\\vyr\\Vyr.ini");
    session.commands.Save(*file);
    dialog.UseSettingsFile(*file);
  }
  void TearDown() override { form6.SetController(nullptr); }

  HWND Item(int id) const { return GetDlgItem(form6.hwnd(), id); }
  void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
  bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::string Text(int id) const { return framework::WindowText(Item(id)); }
  int SelectedTab() const {
    return static_cast<int>(SendMessageA(Item(TForm6::kPageControlId), TCM_GETCURSEL, 0, 0));
  }
  // A click on a tab, as the mouse gives it.
  void ClickTab(int tab) const {
    HWND tabs = Item(TForm6::kPageControlId);
    RECT rect = {};
    SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
  }

  // Each row: its caption and its four cells, "|" between.
  V Rows() const {
    V rows;
    HWND list = Item(TForm6::kListViewId);
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      std::string line;
      for (int cell = 0; cell < 5; ++cell) {
        char text[512] = {};
        LVITEMA item = {};
        item.iSubItem = cell;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        line += (cell == 0 ? "" : "|") + std::string(text);
      }
      rows.push_back(line);
    }
    return rows;
  }
  V Titles() const {
    V titles;
    for (const std::string& row : Rows()) titles.push_back(row.substr(0, row.find('|')));
    return titles;
  }
  int SelectedRow() const {
    return static_cast<int>(SendMessageA(Item(TForm6::kListViewId), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  // A row clicked: selected and focused.
  void PickRow(int row) const {
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Item(TForm6::kListViewId), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
  }
  // The middle of a row, in the dialog's client coordinates.
  POINT RowPoint(int row) const {
    HWND list = Item(TForm6::kListViewId);
    RECT rect = {};
    rect.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    POINT at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    MapWindowPoints(list, form6.hwnd(), &at, 1);
    return at;
  }
  // The list's own drag: it tells the dialog that `row` is being dragged,
  // then the button goes up at `at`.
  void DragRow(int row, POINT at) const {
    NMLISTVIEW begin = {};
    begin.hdr.hwndFrom = Item(TForm6::kListViewId);
    begin.hdr.idFrom = TForm6::kListViewId;
    begin.hdr.code = LVN_BEGINDRAG;
    begin.iItem = row;
    SendMessageA(form6.hwnd(), WM_NOTIFY, TForm6::kListViewId, reinterpret_cast<LPARAM>(&begin));
    SendMessageA(form6.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(form6.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  }
  // A key pressed with Ctrl held down, as the keyboard gives it to the
  // focused control: through the program's message loop.
  void CtrlKey(WORD key) const {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE before = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
    framework::ProcessWaitingMessages();
    keys[VK_CONTROL] = before;
    SetKeyboardState(keys);
  }
  // A double-click at a point of the list, in the dialog's coordinates.
  void DoubleClickList(POINT at) const {
    MapWindowPoints(form6.hwnd(), Item(TForm6::kListViewId), &at, 1);
    SendMessageA(Item(TForm6::kListViewId), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  }

  std::unique_ptr<SettingsFile> file;
  TForm6 form6;
  test::FakeCommandEditor editor{log};
  test::FakeYesNo questions{log};
  test::FakeConfirmation confirmation{log};
  ModalEditor modal_editor{editor};
  SettingsDialog dialog{session,
                        SettingsDialogViews{form6, form6, modal_editor, main, mini, tray, warnings,
                                            warnings, questions, confirmation},
                        SettingsDialogParts{tray_menus, hot_keys, tray_mode}};
};

TEST_F(SettingsDialogWindowsTest, OkGivesTheOptionsBackWithTheNumberBroughtIntoRange) {
  struct Case {
    const char* typed;
    int limit;
  };
  const Case cases[] = {{"300", 256}, {"abc", 8}, {"12", 12}, {"", 8}};
  bool skip_system = session.settings.skip_system_directories;
  WORD hot_key = MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_ALT);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    dialog.Open();
    ASSERT_TRUE(IsWindowVisible(form6.hwnd()));
    // Shown from the settings, on "その他".
    EXPECT_EQ(SelectedTab(), TForm6::kOthersPage);
    EXPECT_TRUE(IsWindowVisible(Item(TForm6::kCheckBox2Id)));
    EXPECT_FALSE(IsWindowVisible(Item(TForm6::kListViewId)));
    EXPECT_EQ(Checked(TForm6::kCheckBox2Id), skip_system);
    EXPECT_EQ(Text(TForm6::kSpinEdit1Id), std::to_string(session.settings.history_limit));
    EXPECT_EQ(SendMessageA(Item(TForm6::kHotKey2Id), HKM_GETHOTKEY, 0, 0), hot_key);
    log.Take();

    Click(TForm6::kCheckBox2Id);
    skip_system = !skip_system;
    hot_key = MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_SHIFT);
    SendMessageA(Item(TForm6::kHotKey2Id), HKM_SETHOTKEY, hot_key, 0);
    SetWindowTextA(Item(TForm6::kSpinEdit1Id), c.typed);
    Click(IDOK);
    EXPECT_FALSE(IsWindowVisible(form6.hwnd()));
    EXPECT_EQ(session.settings.history_limit, c.limit);
    EXPECT_EQ(session.settings.skip_system_directories, skip_system);
    EXPECT_EQ(session.settings.scan_hot_key, kCtrl | kShift | 'Q');
    const V effects = log.Take();
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects.front(), "main: show");
  }
}

TEST_F(SettingsDialogWindowsTest, TheCloseBoxIsCancelAndTheTabLastUsedComesBack) {
  const SettingsValues before = session.settings;
  dialog.Open();
  EXPECT_EQ(log.Take(), (V{"main: hide"}));
  Click(TForm6::kCheckBox1Id);
  SetWindowTextA(Item(TForm6::kSpinEdit1Id), "100");
  ClickTab(TForm6::kCommandsPage);
  EXPECT_TRUE(IsWindowVisible(Item(TForm6::kListViewId)));
  EXPECT_FALSE(IsWindowVisible(Item(TForm6::kCheckBox1Id)));

  SendMessageA(form6.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindowVisible(form6.hwnd()));
  EXPECT_EQ(log.Take(), (V{"main: show"}));
  EXPECT_EQ(session.settings.swap_menus, before.swap_menus);
  EXPECT_EQ(session.settings.history_limit, before.history_limit);

  // Shown again: the options from the settings, on the tab last used; Esc
  // (Cancel) applies nothing either.
  dialog.Open();
  EXPECT_EQ(SelectedTab(), TForm6::kCommandsPage);
  EXPECT_TRUE(IsWindowVisible(Item(TForm6::kListViewId)));
  EXPECT_EQ(Checked(TForm6::kCheckBox1Id), before.swap_menus);
  EXPECT_EQ(Text(TForm6::kSpinEdit1Id), std::to_string(before.history_limit));
  log.Take();
  SendMessageA(form6.hwnd(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(IsWindowVisible(form6.hwnd()));
  EXPECT_EQ(log.Take(), (V{"main: show"}));
}

TEST_F(SettingsDialogWindowsTest, TheNumberFieldIsBroughtIntoRangeWhenItLosesTheFocus) {
  dialog.Open();
  HWND field = Item(TForm6::kSpinEdit1Id);
  for (const auto& [typed, kept] : {std::pair{"5", "8"}, {"999", "256"}, {"40", "40"}}) {
    SetFocus(field);
    SetWindowTextA(field, typed);
    SetFocus(Item(TForm6::kCheckBox1Id));
    EXPECT_EQ(Text(TForm6::kSpinEdit1Id), kept) << typed;
  }
}

TEST_F(SettingsDialogWindowsTest, TheButtonsKeysAndDragsOfTheListReachTheCommandPage) {
  dialog.Open();
  ClickTab(TForm6::kCommandsPage);
  EXPECT_EQ(Rows(), (V{"Go &there|rec.exe|%s||Ctrl+Alt+G", "-||||", "Search|web.exe|q=%e||^Q",
                       "Clock|clock.exe|%w||"}));
  EXPECT_EQ(SelectedRow(), -1);

  // Up with nothing selected does nothing; with "Search" selected it moves,
  // and the selection goes with it.
  Click(TForm6::kSpdUpId);
  EXPECT_EQ(Titles(), (V{"Go &there", "-", "Search", "Clock"}));
  PickRow(2);
  Click(TForm6::kSpdUpId);
  EXPECT_EQ(Titles(), (V{"Go &there", "Search", "-", "Clock"}));
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(session.commands[1].program, "web.exe");
  Click(TForm6::kSpdDownId);
  Click(TForm6::kSpdDownId);
  EXPECT_EQ(Titles(), (V{"Go &there", "-", "Clock", "Search"}));
  EXPECT_EQ(SelectedRow(), 3);

  // The last row dragged onto the first goes first; dropped off the rows,
  // nothing moves.
  DragRow(3, RowPoint(0));
  EXPECT_EQ(Titles(), (V{"Search", "Go &there", "-", "Clock"}));
  EXPECT_EQ(SelectedRow(), -1);
  const RECT ok = RectIn(form6.hwnd(), Item(IDOK));
  DragRow(0, POINT{ok.left + 4, ok.top + 4});
  EXPECT_EQ(Titles(), (V{"Search", "Go &there", "-", "Clock"}));
  EXPECT_EQ(GetCapture(), nullptr);

  // The separator button puts "-" above the selected row.
  PickRow(1);
  Click(TForm6::kSpdHorizonId);
  EXPECT_EQ(Titles(), (V{"Search", "-", "Go &there", "-", "Clock"}));

  // Ctrl+Ins adds an entry and edits it; cancelled, it goes again. Ctrl+Del
  // asks, then removes the selected one.
  log.Take();
  editor.answer = false;
  SetFocus(Item(TForm6::kListViewId));
  CtrlKey(VK_INSERT);
  EXPECT_EQ(log.Take(), V{"edit " + kUntitled});
  EXPECT_EQ(Titles().size(), 5u);
  PickRow(4);
  CtrlKey(VK_DELETE);
  ASSERT_EQ(log.Take().size(), 1u);  // the question
  EXPECT_EQ(Titles(), (V{"Search", "-", "Go &there", "-"}));
  // Without Ctrl the keys are the list's own.
  PickRow(0);
  SendMessageA(Item(TForm6::kListViewId), WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(Titles().size(), 4u);

  // A double-click edits the selected entry; OK in the editor shows it.
  editor.answer = true;
  editor.edited = CommandEntry{"Tools", "c:\\tools.exe", "%d", "c:\\", "F7"};
  PickRow(2);
  DoubleClickList(RowPoint(2));
  EXPECT_EQ(Rows()[2], "Tools|c:\\tools.exe|%d|c:\\|F7");
  // A double-click below the rows edits nothing, whatever is selected.
  log.Take();
  POINT below = RowPoint(3);
  below.y += 40;
  DoubleClickList(below);
  EXPECT_EQ(log.Take(), V{});
}

// The shortcuts of the dialog's context menu are the whole window's: Ctrl+Ins
// adds an entry (cancelled here, so it goes again) and Ctrl+Del removes the
// selected one, whatever control has the focus, on either tab.
TEST_F(SettingsDialogWindowsTest, CtrlInsAndCtrlDelWorkFromEveryControl) {
  dialog.Open();
  ASSERT_EQ(GetActiveWindow(), form6.hwnd());
  editor.answer = false;
  questions.answer = false;
  // The hot-key field and the number field too: the keys are the window's.
  const int focused[] = {TForm6::kHotKey2Id, TForm6::kSpinEdit1Id, IDOK, TForm6::kListViewId};
  for (const int id : focused) {
    SCOPED_TRACE(id);
    ClickTab(id == TForm6::kListViewId ? TForm6::kCommandsPage : TForm6::kOthersPage);
    SetFocus(Item(id));
    ASSERT_EQ(GetFocus(), Item(id));
    log.Take();
    CtrlKey(VK_INSERT);
    EXPECT_EQ(log.Take(), V{"edit " + kUntitled});
    PickRow(2);
    SetFocus(Item(id));
    CtrlKey(VK_DELETE);
    const V asked = log.Take();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].starts_with("ask ")) << asked[0];
    EXPECT_EQ(Titles().size(), 4u);
  }
}

// After the editor (or a message box) the focus is where it was, so that the
// keys go on working: arrows in the list, Space on a button.
TEST_F(SettingsDialogWindowsTest, TheFocusComesBackAfterTheEditor) {
  dialog.Open();
  ClickTab(TForm6::kCommandsPage);
  HWND list = Item(TForm6::kListViewId);
  struct Case {
    const char* how;
    HWND focused;
    std::function<void()> edit;
  };
  const Case cases[] = {
      {"double-click", list, [&] { DoubleClickList(RowPoint(1)); }},
      {"Ctrl+Ins", list, [&] { CtrlKey(VK_INSERT); }},
      {"drop", Item(TForm6::kButton3Id),
       [&] {
         SendMessageA(form6.hwnd(), WM_DROPFILES,
                      reinterpret_cast<WPARAM>(MakeDrop({"C:\\x.exe"}, {5, 5})), 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    PickRow(1);
    SetFocus(c.focused);
    log.Take();
    c.edit();
    ASSERT_EQ(log.Take().size(), 1u);  // the edit
    EXPECT_EQ(GetActiveWindow(), form6.hwnd());
    EXPECT_EQ(GetFocus(), c.focused);
  }
}

// A close asked for by another program while the editor is up is refused:
// the dialog stays, and closes as usual afterwards.
TEST_F(SettingsDialogWindowsTest, NoCloseWhileTheEditorIsUp) {
  dialog.Open();
  ClickTab(TForm6::kCommandsPage);
  PickRow(0);
  bool visible = false;
  modal_editor.while_open = [&] {
    SendMessageA(form6.hwnd(), WM_CLOSE, 0, 0);
    visible = IsWindowVisible(form6.hwnd()) != 0;
  };
  log.Take();
  Click(TForm6::kSpdEditId);
  EXPECT_TRUE(visible);
  EXPECT_EQ(log.Take(), V{"edit Go &there"});
  EXPECT_TRUE(IsWindowVisible(form6.hwnd()));
  SendMessageA(form6.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form6.hwnd()));
  EXPECT_EQ(log.Take(), V{"main: show"});
}

TEST_F(SettingsDialogWindowsTest, ADroppedFileBecomesAnEntryThroughTheEditor) {
  dialog.Open();
  log.Take();
  editor.answer = true;
  SendMessageA(form6.hwnd(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({"C:\\Tools\\viewer.tool.exe"}, {5, 5})), 0);
  EXPECT_EQ(log.Take(), V{"edit viewer.tool"});
  EXPECT_EQ(Rows().back(), "viewer.tool|C:\\Tools\\viewer.tool.exe||C:\\Tools\\|");
  EXPECT_EQ(SelectedRow(), 4);

  SendMessageA(form6.hwnd(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({"C:\\a.exe", "C:\\b.exe"}, {5, 5})), 0);
  const V warned = log.Take();
  ASSERT_EQ(warned.size(), 1u);
  EXPECT_TRUE(warned[0].starts_with("warn ")) << warned[0];
  EXPECT_EQ(Rows().size(), 5u);
}

TEST_F(SettingsDialogWindowsTest, TheLayoutKeepsItsPlacesWhenResized) {
  const RECT outer = form6.Bounds();
  EXPECT_EQ(outer.right - outer.left, 525);
  EXPECT_EQ(outer.bottom - outer.top, 298);
  for (const SIZE size : {SIZE{525, 298}, SIZE{760, 420}}) {
    SCOPED_TRACE(size.cx);
    form6.Move(outer.left, outer.top, size.cx, size.cy);
    const RECT client = form6.ClientRect();
    const RECT tabs = RectIn(form6.hwnd(), Item(TForm6::kPageControlId));
    EXPECT_EQ(tabs.bottom, client.bottom - 41);
    for (const int id : {IDOK, IDCANCEL}) {
      const RECT button = RectIn(form6.hwnd(), Item(id));
      EXPECT_EQ(button.right - button.left, 101);
      EXPECT_EQ(button.bottom - button.top, 25);
      EXPECT_GT(button.top, tabs.bottom);
    }
    EXPECT_EQ(RectIn(form6.hwnd(), Item(IDCANCEL)).right, client.right - 8);
    const RECT list = RectIn(form6.hwnd(), Item(TForm6::kListViewId));
    const int lefts[] = {12, 48, 84, 112, 148, 176};
    for (int k = 0; k < 6; ++k) {
      const RECT button = RectIn(form6.hwnd(), Item(TForm6::kSpdEditId + k));
      EXPECT_EQ(button.left - list.left, lefts[k]);
      EXPECT_EQ(button.right - button.left, 23);
      EXPECT_EQ(button.bottom - button.top, 22);
      EXPECT_GT(button.top, list.bottom);
      EXPECT_NE(SendMessageA(Item(TForm6::kSpdEditId + k), BM_GETIMAGE, IMAGE_BITMAP, 0), 0)
          << "no picture on button " << k;
    }
    const RECT reset = RectIn(form6.hwnd(), Item(TForm6::kButton3Id));
    EXPECT_EQ(reset.right - reset.left, 113);
    EXPECT_EQ(reset.right, list.right - 8);
    EXPECT_LT(RectIn(form6.hwnd(), Item(TForm6::kBitBtn3Id)).right, tabs.right);
  }
}

// The component on a window of its own: every file of a drop, in order and
// whole, the window's other messages left to it, and its procedure back at
// the end.
TEST(FileDropTest, HandsOverEveryFileAndLeavesTheRestToTheWindow) {
  framework::Window window;
  framework::WindowArgs args;
  args.class_name = "VyrFileDropTest";
  if (!window.Create(args)) GTEST_SKIP() << "no windows without a display here";
  const auto original = GetWindowLongPtrA(window.hwnd(), GWLP_WNDPROC);
  const auto accepts = [&] {
    return (GetWindowLongA(window.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
  };
  {
    TFileDrop drop;
    struct Drop {
      int x, y;
      V fnames;
    };
    std::vector<Drop> drops;
    drop.SetOnDropFiles([&](int x, int y, const V& fnames) { drops.push_back({x, y, fnames}); });
    drop.Attach(window.hwnd());
    EXPECT_FALSE(accepts());
    drop.SetEnabled(true);
    EXPECT_TRUE(accepts());

    // ツール: a Shift-JIS name; and a path longer than MAX_PATH.
    const std::string japanese = "C:\\\x83\x63\x81[\x83\x8B\\a.exe";
    const std::string deep = "C:\\" + std::string(300, 'd') + "\\b.exe";
    const HDROP handle = MakeDrop({japanese, deep, "C:\\c"}, {12, 34});
    SendMessageA(window.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(handle), 0);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].x, 12);
    EXPECT_EQ(drops[0].y, 34);
    EXPECT_EQ(drops[0].fnames, (V{japanese, deep, "C:\\c"}));

    window.SetText("still the window's");
    EXPECT_EQ(window.Text(), "still the window's");
    drop.SetEnabled(false);
    EXPECT_FALSE(accepts());
  }
  EXPECT_EQ(GetWindowLongPtrA(window.hwnd(), GWLP_WNDPROC), original);
}

}  // namespace
}  // namespace vyr
