// The command editor on its real window, under Wine: filled, shown modally
// and driven from a timer while its modal loop (or the file dialog's) runs,
// as the user would drive it.
#include "commands/win32/command_editor.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace vyr {
namespace {

// Steps run one after the other from a thread timer, which every message
// loop of the thread serves, the modal ones included. A step that returns
// false is tried again at the next tick (a window it waits for is not up).
class Script {
 public:
  using Step = std::function<bool()>;
  explicit Script(std::vector<Step> steps) : steps_(std::move(steps)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 20, Tick);
  }
  ~Script() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool Finished() const { return next_ == steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Script* script = current_;
    // A step may run a modal loop of its own, in which the timer ticks on.
    if (script == nullptr || script->running_ || script->Finished()) return;
    script->running_ = true;
    if (script->steps_[script->next_]()) ++script->next_;
    script->running_ = false;
  }

  static inline Script* current_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool running_ = false;
  UINT_PTR timer_ = 0;
};

// The children of a class in the order they were made, which is the tab order.
std::vector<HWND> Children(HWND parent, const char* class_name) {
  std::vector<HWND> found;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, class_name) == 0) found.push_back(child);
  }
  return found;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A key as the keyboard gives it to the focused control: a key that types a
// character is followed by that character, as the message loop makes it.
void Press(HWND control, UINT key, bool alt = false) {
  const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
  SendMessageA(control, down, key, scan | 1);
  if (const UINT character = MapVirtualKeyA(key, MAPVK_VK_TO_CHAR)) {
    SendMessageA(control, alt ? WM_SYSCHAR : WM_CHAR, character, scan | 1);
  }
  SendMessageA(control, alt ? WM_SYSKEYUP : WM_KEYUP, key, scan | 0xC0000001);
}

// Modifiers held around a key.
void PressWith(HWND control, std::vector<UINT> modifiers, UINT key) {
  bool alt = false;
  for (UINT modifier : modifiers) {
    alt = alt || modifier == VK_MENU;
    SendMessageA(control, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, modifier,
                 static_cast<LPARAM>(MapVirtualKeyA(modifier, 0)) << 16 | 1);
  }
  Press(control, key, alt);
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
    SendMessageA(control, alt ? WM_SYSKEYUP : WM_KEYUP, *it,
                 static_cast<LPARAM>(MapVirtualKeyA(*it, 0)) << 16 | 0xC0000001);
  }
}

BOOL CALLBACK FindFileDialog(HWND window, LPARAM result) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

// The file-open dialog of this thread, once it is up.
HWND FileDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindFileDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

class CommandEditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_HOTKEY_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!form7.Create(nullptr)) GTEST_SKIP() << "no windows without a display here";
    edits = Children(form7.hwnd(), "Edit");
    buttons = Children(form7.hwnd(), "Button");
    const std::vector<HWND> hot_keys = Children(form7.hwnd(), HOTKEY_CLASSA);
    ASSERT_EQ(edits.size(), 4u);
    ASSERT_EQ(buttons.size(), 5u);  // Button1, OK, Cancel, Button2, Button3
    ASSERT_EQ(hot_keys.size(), 1u);
    hot_key = hot_keys.front();
  }

  // Edits `entry` while `steps` run; every script ends by closing the editor.
  bool EditWith(CommandEntry& entry, std::vector<Script::Step> steps) {
    Script script(std::move(steps));
    const bool ok = form7.Edit(entry);
    EXPECT_TRUE(script.Finished());
    return ok;
  }
  static Script::Step Do(std::function<void()> action) {
    return [action] {
      action();
      return true;
    };
  }
  // Enter or Esc, as the focused control receives them from the loop.
  Script::Step Key(UINT key) const {
    return Do([key] { PostMessageA(GetFocus(), WM_KEYDOWN, key, 1); });
  }

  TForm7 form7;
  std::vector<HWND> edits;
  std::vector<HWND> buttons;
  HWND hot_key = nullptr;
};

// Where each control stands, and Tab's way through them from the title.
TEST_F(CommandEditorWindowTest, TheControlsStandWhereDesignedInTheirTabOrder) {
  const RECT client = form7.ClientRect();
  EXPECT_EQ(client.right, 543);
  EXPECT_EQ(client.bottom, 252);
  const std::vector<std::string> expected = {
      "Edit 148,36 137x20",   // title
      "Edit 148,68 297x20",   // program
      "Edit 148,100 297x20",  // parameters
      "Edit 148,132 297x20",  // initial directory
      "Button 456,68 75x25",  // the program's browse button
      "msctls_hotkey32 148,164 121x20",
      "Button 320,216 97x25 OK",
      "Button 436,216 93x25",  // Cancel
      "Button 456,100 75x25",  // the parameters' browse button
      "Button 456,132 75x25",  // the initial directory's browse button
  };
  std::vector<std::string> order;
  HWND control = edits[0];
  for (std::size_t k = 0; k < expected.size(); ++k) {
    RECT place = {};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, form7.hwnd(), reinterpret_cast<POINT*>(&place), 2);
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    std::string line = std::string(name) + " " + std::to_string(place.left) + "," +
                       std::to_string(place.top) + " " + std::to_string(place.right - place.left) +
                       "x" + std::to_string(place.bottom - place.top);
    if (TextOf(control) == "OK") line += " OK";
    order.push_back(line);
    control = GetNextDlgTabItem(form7.hwnd(), control, FALSE);
  }
  EXPECT_EQ(order, expected);
  EXPECT_EQ(control, edits[0]) << "Tab comes back to the title";
}

TEST_F(CommandEditorWindowTest, EnterReadsTheFieldsBackWithTheHotKeyInItsWrittenForm) {
  struct Case {
    std::string hot_key_in;
    std::string hot_key_out;
  };
  const Case cases[] = {
      {"^Q", "Ctrl+Q"},
      {"alt+SHIFT+f5", "Shift+Alt+F5"},
      // Kept as read, although no key press could give it.
      {"PgDn", "PgDn"},
      {"Ctrl+NoSuchKey", ""},
  };
  for (const Case& c : cases) {
    CommandEntry entry{"Title", "c:\\tools\\a.exe", "%d", "c:\\tools\\", c.hot_key_in};
    std::vector<std::string> shown;
    const bool ok = EditWith(entry, {Do([&] {
                                       for (HWND edit : edits) shown.push_back(TextOf(edit));
                                       // The title has the focus.
                                       SetWindowTextA(GetFocus(), "New title");
                                     }),
                                     Key(VK_RETURN)});
    EXPECT_TRUE(ok) << c.hot_key_in;
    EXPECT_EQ(shown, (std::vector<std::string>{"Title", "c:\\tools\\a.exe", "%d", "c:\\tools\\"}));
    EXPECT_EQ(entry,
              (CommandEntry{"New title", "c:\\tools\\a.exe", "%d", "c:\\tools\\", c.hot_key_out}))
        << c.hot_key_in;
    EXPECT_FALSE(form7.IsVisible());
  }
}

TEST_F(CommandEditorWindowTest, EscTheCancelButtonAndTheCloseBoxLeaveTheEntryUntouched) {
  const std::vector<std::pair<std::string, Script::Step>> closers = {
      {"Esc", Key(VK_ESCAPE)},
      {"Cancel", Do([this] { PostMessageA(buttons[2], BM_CLICK, 0, 0); })},
      {"close box", Do([this] { PostMessageA(form7.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); })},
  };
  for (const auto& [name, closer] : closers) {
    const CommandEntry before{"Title", "a.exe", "", "", "^Q"};
    CommandEntry entry = before;
    const bool ok = EditWith(entry, {Do([this] {
                                       SetWindowTextA(edits[0], "Changed");
                                       Press(hot_key, 'Z');
                                     }),
                                     closer});
    EXPECT_FALSE(ok) << name;
    EXPECT_EQ(entry, before) << name;
  }
}

TEST_F(CommandEditorWindowTest, AKeyAloneOrWithShiftAloneIsTakenWithAlt) {
  struct Case {
    std::vector<UINT> modifiers;
    UINT key;
    std::string expected;
  };
  const Case cases[] = {
      {{}, 'A', "Alt+A"},
      {{VK_SHIFT}, 'B', "Shift+Alt+B"},
      {{VK_CONTROL}, 'C', "Ctrl+C"},
      {{VK_SHIFT, VK_CONTROL}, VK_F5, "Shift+Ctrl+F5"},
      {{VK_MENU}, 'D', "Alt+D"},
      {{}, VK_INSERT, "Alt+Ins"},
      {{VK_SHIFT}, '1', "Shift+Alt+1"},
  };
  std::vector<std::string> taken;
  CommandEntry entry{"Title", "a.exe", "", "", "Ctrl+Alt+S"};
  const bool ok = EditWith(
      entry, {Do([&] {
                SetFocus(hot_key);
                for (const Case& c : cases) {
                  PressWith(hot_key, c.modifiers, c.key);
                  const auto value = static_cast<WORD>(SendMessageA(hot_key, HKM_GETHOTKEY, 0, 0));
                  taken.push_back(ShortcutToText(FromHotKeyValue(value)));
                }
              }),
              Key(VK_RETURN)});
  EXPECT_TRUE(ok);
  std::vector<std::string> expected;
  for (const Case& c : cases) expected.push_back(c.expected);
  EXPECT_EQ(taken, expected);
  EXPECT_EQ(entry.hot_key, expected.back());
}

// The file dialog's first filter (programs) for the program, the second
// (everything) for the parameters; the dialog starts from the file chosen
// last; the program's directory replaces the one typed.
TEST_F(CommandEditorWindowTest, BrowsingFillsTheFieldsFromTheChosenFile) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string program = std::string(windows) + "\\notepad.exe";
  const std::string document = std::string(windows) + "\\win.ini";
  std::vector<int> filters;
  std::vector<std::string> starts;
  // Waits for the file dialog, notes its filter and its start, and chooses `file`.
  auto choose = [&](const std::string& file) -> Script::Step {
    return [&, file] {
      HWND dialog = FileDialog();
      if (dialog == nullptr) return false;
      filters.push_back(static_cast<int>(SendDlgItemMessageA(dialog, 0x470, CB_GETCURSEL, 0, 0)));
      HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
      if (name == nullptr) name = GetDlgItem(dialog, 0x480);
      starts.push_back(TextOf(name));
      SetWindowTextA(name, file.c_str());
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      return true;
    };
  };
  auto click = [](HWND button) { return Do([button] { PostMessageA(button, BM_CLICK, 0, 0); }); };
  CommandEntry entry{"Title", "", "-x ", "d:\\typed\\", ""};
  const bool ok =
      EditWith(entry, {click(buttons[0]), choose(program), click(buttons[3]), choose(document),
                       click(buttons[3]), choose(document), Key(VK_RETURN)});
  EXPECT_TRUE(ok);
  EXPECT_EQ(filters, (std::vector<int>{0, 1, 1}));
  ASSERT_EQ(starts.size(), 3u);
  EXPECT_EQ(starts[1], "notepad.exe");
  EXPECT_EQ(starts[2], "win.ini");
  EXPECT_EQ(entry, (CommandEntry{"Title", program, "-x " + document + document,
                                 std::string(windows) + "\\", ""}));
}

}  // namespace
}  // namespace vyr
