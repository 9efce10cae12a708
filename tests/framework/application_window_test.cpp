// The application's own window and icon, and running what waits in the
// queue without waiting for more, under Wine.
#include "framework/application_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/window.h"

namespace vyr::framework {
namespace {

class TimerWindow final : public Window {
 public:
  bool Create(HICON icon) {
    WindowArgs args;
    args.class_name = "VyrApplicationWindowTest";
    args.icon = icon;
    return Window::Create(args, Ending::kDestroy);
  }
  std::vector<UINT_PTR> timers;

 protected:
  void OnTimer(UINT_PTR id) override { timers.push_back(id); }
};

TEST(ApplicationWindow, IsTheWindowSetUntilItIsDestroyedAndGivesItsIcon) {
  HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_WARNING));
  HICON standard = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  SetApplicationWindow(nullptr);
  EXPECT_EQ(ApplicationWindow(), nullptr);
  EXPECT_EQ(ApplicationIcon(), standard);
  {
    TimerWindow window;
    if (!window.Create(icon)) GTEST_SKIP() << "no windows without a display here";
    SetApplicationWindow(window.hwnd());
    EXPECT_EQ(ApplicationWindow(), window.hwnd());
    EXPECT_EQ(ApplicationIcon(), icon);
  }
  EXPECT_EQ(ApplicationWindow(), nullptr);
  EXPECT_EQ(ApplicationIcon(), standard);
}

TEST(ProcessWaitingMessages, RunsWhatWaitsAndLeavesTheQuitToTheLoop) {
  TimerWindow window;
  if (!window.Create(nullptr)) GTEST_SKIP() << "no windows without a display here";
  ProcessWaitingMessages();  // whatever the creation left
  PostMessageA(window.hwnd(), WM_TIMER, 1, 0);
  PostMessageA(window.hwnd(), WM_TIMER, 2, 0);
  PostQuitMessage(7);
  ProcessWaitingMessages();
  EXPECT_EQ(window.timers, (std::vector<UINT_PTR>{1, 2}));
  MSG msg = {};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  // An empty queue: it returns at once.
  ProcessWaitingMessages();
  SetApplicationWindow(nullptr);
}

}  // namespace
}  // namespace vyr::framework
