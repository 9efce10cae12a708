// The tray icon component on its hidden window under Wine, with the shell's
// calls, the opened menus and the error box recorded in one log.
#include "desktop/win32/task_bar.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "desktop/win32/task_bar_texts.h"
#include "framework/application_window.h"
#include "framework/menu.h"
#include "framework/window.h"

namespace vyr {
namespace {

// A top-level window of the test's: the application window, and a window
// whose timer messages stand for whatever waits in the queue.
class PlainWindow final : public framework::Window {
 public:
  bool Create(HICON icon = nullptr) {
    framework::WindowArgs args;
    args.class_name = icon != nullptr ? "VyrTaskBarTestIcon" : "VyrTaskBarTest";
    args.icon = icon;
    args.style = WS_OVERLAPPEDWINDOW;
    return Window::Create(args);
  }
  std::function<void(UINT_PTR)> on_timer;

 protected:
  void OnTimer(UINT_PTR id) override {
    if (on_timer) on_timer(id);
  }
};

HICON StandardIcon(LPCSTR name) { return LoadIconA(nullptr, name); }

class TaskBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::SetApplicationWindow(nullptr);
    if (bar.hwnd() == nullptr) GTEST_SKIP() << "no windows without a display here";
    bar.SetOnMenuChoice([this](framework::PopupMenu& menu, int tag) {
      log.push_back("choice " + Name(&menu) + " " + std::to_string(tag));
    });
  }

  TaskBarCalls Recorder() {
    TaskBarCalls calls;
    calls.notify = [this](DWORD message, NOTIFYICONDATAA* record) {
      static const char* const names[] = {"add", "modify", "delete"};
      log.push_back(message < 3 ? names[message] : "notify " + std::to_string(message));
      sent.push_back(*record);
      EXPECT_EQ(record, &bar.record()) << "one record for every call";
      return TRUE;
    };
    calls.open_menu = [this](const framework::PopupMenu& menu, HWND owner, POINT at) {
      log.push_back("open " + Name(&menu));
      opened_at = at;
      EXPECT_EQ(owner, bar.hwnd());
      return tag_chosen;
    };
    calls.show_error = [this](const std::string& message) { log.push_back("error " + message); };
    return calls;
  }

  std::string Name(const framework::PopupMenu* menu) const {
    return menu == &left ? "left" : menu == &middle ? "middle" : menu == &right ? "right" : "?";
  }
  void Mouse(UINT mouse_event) {
    EXPECT_EQ(SendMessageA(bar.hwnd(), TTaskBar::kTrayMessage, 1, mouse_event), 0);
  }
  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }

  std::vector<std::string> log;
  std::vector<NOTIFYICONDATAA> sent;
  framework::PopupMenu left, middle, right;
  int tag_chosen = 0;
  POINT opened_at = {};
  TTaskBar bar{Recorder()};
};

using Log = std::vector<std::string>;

TEST_F(TaskBarTest, AddFillsTheOneRecordAndCutsTheTip) {
  const std::string seventy(70, 'v');
  bar.SetTips(seventy);
  bar.Loaded();
  // Tips is set before Loaded as at start-up: the modify of an icon that is
  // not there yet fails in the shell, and nothing depends on it.
  EXPECT_EQ(TakeLog(), (Log{"modify", "add"}));
  const NOTIFYICONDATAA& added = sent.back();
  EXPECT_EQ(added.cbSize, 88u);
  EXPECT_EQ(added.hWnd, bar.hwnd());
  EXPECT_EQ(added.uID, 1u);
  EXPECT_EQ(added.uFlags, 7u);
  EXPECT_EQ(added.uCallbackMessage, 0x8064u);
  EXPECT_EQ(added.hIcon, StandardIcon(IDI_APPLICATION)) << "no Icon and no application window";
  EXPECT_EQ(std::string(added.szTip), seventy.substr(0, 63));
  EXPECT_EQ(bar.Tips(), seventy);

  struct Case {
    std::string tips;
    std::string kept;
    std::string tip;
  };
  const std::string ja = "\x8E\xCA";  // 写, two bytes
  const Case cases[] = {
      {"", "", ""},
      {"Vyr for Windows9x/2K/XP", "Vyr for Windows9x/2K/XP", "Vyr for Windows9x/2K/XP"},
      {std::string(63, 'a'), std::string(63, 'a'), std::string(63, 'a')},
      // A character across the 63rd byte stays out whole.
      {std::string(62, 'a') + ja, std::string(62, 'a') + ja, std::string(62, 'a')},
      {std::string(61, 'a') + ja + "b", std::string(61, 'a') + ja + "b", std::string(61, 'a') + ja},
      // Tips keeps 255 bytes, again never half a character.
      {std::string(300, 'c'), std::string(255, 'c'), std::string(63, 'c')},
      {std::string(254, 'c') + ja, std::string(254, 'c'), std::string(63, 'c')},
  };
  for (const Case& c : cases) {
    bar.SetTips(c.tips);
    EXPECT_EQ(TakeLog(), (Log{"modify"})) << c.tips;
    EXPECT_EQ(bar.Tips(), c.kept);
    EXPECT_EQ(std::string(sent.back().szTip), c.tip) << c.tips;
    EXPECT_EQ(sent.back().szTip[63], '\0');
  }
}

TEST_F(TaskBarTest, TheTraySwitchRemovesAndAddsTakingTipAndIconAnew) {
  bar.SetTips("first");
  bar.Loaded();
  TakeLog();
  bar.SetEnableTaskTray(false);
  bar.SetEnableTaskTray(false);
  EXPECT_EQ(TakeLog(), (Log{"delete", "delete"})) << "each setting makes the call";
  EXPECT_FALSE(bar.EnableTaskTray());

  // While off nothing is sent; the record takes the changes all the same.
  HICON given = StandardIcon(IDI_WARNING);
  bar.SetTips("second");
  bar.SetIcon(given);
  EXPECT_EQ(TakeLog(), Log{});
  ASSERT_NE(bar.Icon(), nullptr);
  EXPECT_NE(bar.Icon(), given) << "the component keeps a copy of its own";
  EXPECT_EQ(bar.record().hIcon, bar.Icon());
  EXPECT_STREQ(bar.record().szTip, "second");

  bar.SetEnableTaskTray(true);
  EXPECT_EQ(TakeLog(), (Log{"add"}));
  EXPECT_STREQ(sent.back().szTip, "second");
  EXPECT_EQ(sent.back().hIcon, bar.Icon());
  EXPECT_EQ(sent.back().uFlags, 7u);

  // While on an icon change is shown at once; with none the application's
  // icon comes back.
  bar.SetIcon(StandardIcon(IDI_ERROR));
  EXPECT_EQ(TakeLog(), (Log{"modify"}));
  EXPECT_EQ(sent.back().hIcon, bar.Icon());
  bar.SetIcon(nullptr);
  EXPECT_EQ(TakeLog(), (Log{"modify"}));
  EXPECT_EQ(bar.Icon(), nullptr);
  EXPECT_EQ(sent.back().hIcon, StandardIcon(IDI_APPLICATION));
}

TEST_F(TaskBarTest, ButtonsDownCallTheHandlerAndButtonsUpOpenTheirMenus) {
  bar.SetOnTrayClick([this](int button) { log.push_back("click " + std::to_string(button)); });
  struct Case {
    UINT mouse_event;
    Log with_all_menus;
  };
  const Case cases[] = {
      {WM_LBUTTONDOWN, {"click 0"}},
      {WM_LBUTTONUP, {"open left"}},
      {WM_RBUTTONDOWN, {"click 1"}},
      {WM_RBUTTONUP, {"open right"}},
      {WM_MBUTTONDOWN, {"click 2"}},
      {WM_MBUTTONUP, {"open middle"}},
      {WM_LBUTTONDBLCLK, {}},
      {WM_RBUTTONDBLCLK, {}},
      {WM_MBUTTONDBLCLK, {}},
      {WM_MOUSEMOVE, {}},
  };
  bar.SetPopupMenuLeft(&left);
  bar.SetPopupMenuMiddle(&middle);
  bar.SetPopupMenuRight(&right);
  for (const Case& c : cases) {
    Mouse(c.mouse_event);
    EXPECT_EQ(TakeLog(), c.with_all_menus) << std::hex << c.mouse_event;
  }
  // With no menu for the button, its release does nothing; the press still
  // reports.
  bar.SetPopupMenuLeft(nullptr);
  bar.SetPopupMenuMiddle(nullptr);
  Mouse(WM_LBUTTONDOWN);
  Mouse(WM_LBUTTONUP);
  Mouse(WM_MBUTTONUP);
  EXPECT_EQ(TakeLog(), (Log{"click 0"}));
  bar.SetOnTrayClick(nullptr);
  Mouse(WM_RBUTTONDOWN);
  EXPECT_EQ(TakeLog(), Log{});
  EXPECT_TRUE(sent.empty()) << "the mouse never talks to the shell";
}

TEST_F(TaskBarTest, TheMenuOpensWhereTheButtonWentUpAfterWhatWasWaiting) {
  bar.SetPopupMenuRight(&right);
  PlainWindow waiting;
  ASSERT_TRUE(waiting.Create());
  // What waits in the queue runs before the menu opens, and the pointer it
  // moves away does not move the menu.
  waiting.on_timer = [this](UINT_PTR) {
    log.push_back("waiting ran");
    SetCursorPos(300, 310);
  };
  SetCursorPos(100, 120);
  POINT released = {};
  GetCursorPos(&released);
  PostMessageA(waiting.hwnd(), WM_TIMER, 1, 0);
  tag_chosen = 9001;
  Mouse(WM_RBUTTONUP);
  EXPECT_EQ(TakeLog(), (Log{"waiting ran", "open right", "choice right 9001"}));
  EXPECT_EQ(opened_at.x, released.x);
  EXPECT_EQ(opened_at.y, released.y);
  POINT now = {};
  GetCursorPos(&now);
  EXPECT_NE(now.y, released.y) << "the pointer did move meanwhile";
  // Closed with no choice: the owner hears nothing.
  tag_chosen = 0;
  Mouse(WM_RBUTTONUP);
  EXPECT_EQ(TakeLog(), (Log{"open right"}));
}

TEST_F(TaskBarTest, AnErrorInTheMouseHandlingIsShownAndTheProgramGoesOn) {
  bar.SetOnTrayClick([](int) -> void { throw std::runtime_error("no such drive"); });
  Mouse(WM_LBUTTONDOWN);
  EXPECT_EQ(TakeLog(), (Log{"error no such drive"}));
  bar.SetPopupMenuLeft(&left);
  tag_chosen = 5;
  bar.SetOnMenuChoice([](framework::PopupMenu&, int) { throw 42; });
  Mouse(WM_LBUTTONUP);
  EXPECT_EQ(TakeLog(), (Log{"open left", std::string("error ") + texts::kUnexpectedError}));
  bar.SetOnTrayClick(nullptr);
  bar.SetOnMenuChoice(nullptr);
  Mouse(WM_LBUTTONUP);
  EXPECT_EQ(TakeLog(), (Log{"open left"})) << "the menu still opens";
}

TEST_F(TaskBarTest, ARestartedTaskBarGetsTheIconBackOnlyWhileItIsOn) {
  bar.SetTips("tip");
  bar.Loaded();
  TakeLog();
  // As the shell sends it: to every top-level window, the hidden one
  // included.
  const UINT restarted = RegisterWindowMessageA("TaskbarCreated");
  ASSERT_NE(restarted, 0u);
  PostMessageA(HWND_BROADCAST, restarted, 0, 0);
  framework::ProcessWaitingMessages();
  EXPECT_EQ(TakeLog(), (Log{"add"}));
  EXPECT_STREQ(sent.back().szTip, "tip");
  EXPECT_EQ(sent.back().hWnd, bar.hwnd());

  bar.SetEnableTaskTray(false);
  TakeLog();
  PostMessageA(HWND_BROADCAST, restarted, 0, 0);
  framework::ProcessWaitingMessages();
  EXPECT_EQ(TakeLog(), Log{});
}

TEST_F(TaskBarTest, TheApplicationWindowCarriesTheButtonAndTheIcon) {
  HICON own = StandardIcon(IDI_INFORMATION);
  PlainWindow application;
  ASSERT_TRUE(application.Create(own));
  framework::SetApplicationWindow(application.hwnd());
  bar.Loaded();
  EXPECT_TRUE(application.IsVisible()) << "the task-bar button is shown at load";
  EXPECT_EQ(sent.back().hIcon, own);
  bar.SetEnableTaskBar(false);
  EXPECT_FALSE(application.IsVisible());
  EXPECT_FALSE(bar.EnableTaskBar());
  bar.SetEnableTaskBar(true);
  EXPECT_TRUE(application.IsVisible());
  framework::SetApplicationWindow(nullptr);
}

TEST(TaskBar, ItsEndRemovesTheIconAndItsWindow) {
  Log log;
  TaskBarCalls calls;
  calls.notify = [&log](DWORD message, NOTIFYICONDATAA* record) {
    log.push_back(std::to_string(message) + " " + std::to_string(record->uID));
    return TRUE;
  };
  HWND hidden = nullptr;
  {
    TTaskBar bar(calls);
    hidden = bar.hwnd();
    if (hidden == nullptr) GTEST_SKIP() << "no windows without a display here";
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(GetParent(hidden), nullptr) << "a top-level window";
    bar.SetEnableTaskTray(false);
  }
  // Deleted at the end also when it was off: the shell ignores the second.
  EXPECT_EQ(log, (Log{"2 1", "2 1"}));
  EXPECT_FALSE(IsWindow(hidden));
}

}  // namespace
}  // namespace vyr
