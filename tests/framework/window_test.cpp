// The window base class, its typed handlers and its one way to close, the
// scoped handles, under Wine.
#include "framework/window.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "framework/controls.h"
#include "framework/scoped_handles.h"
#include "framework/subclass.h"

namespace vyr::framework {
namespace {

class RecordingWindow final : public Window {
 public:
  bool Create(Ending ending = Ending::kHide) {
    WindowArgs args;
    args.class_name = "VyrWindowTest";
    args.style = WS_OVERLAPPEDWINDOW;
    return Window::Create(args, ending);
  }
  std::vector<std::string> calls;
  std::vector<std::string> dropped;
  POINT menu_at = {};
  bool may_close = true;
  UINT taken_key = 0;

 protected:
  bool OnKeyPreview(UINT key) override {
    calls.push_back("key " + std::to_string(key));
    return key == taken_key;
  }
  void OnCommand(int id, int code) override {
    calls.push_back("command " + std::to_string(id) + " " + std::to_string(code));
    Window::OnCommand(id, code);
  }
  void OnContextMenu(POINT at) override {
    calls.push_back("context menu");
    menu_at = at;
  }
  bool OnCloseQuery() override {
    calls.push_back("close query");
    return may_close;
  }
  void OnTimer(UINT_PTR id) override { calls.push_back("timer " + std::to_string(id)); }
  void OnHotKey(int id) override { calls.push_back("hot key " + std::to_string(id)); }
  void OnDropFiles(const std::vector<std::string>& paths) override {
    calls.push_back("drop");
    dropped = paths;
  }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!window.Create()) GTEST_SKIP() << "no windows without a display here";
  }
  RecordingWindow window;
};

// A drop as the shell makes it: DROPFILES, then the NUL-ended paths.
HDROP MakeDrop(const std::vector<std::string>& paths) {
  std::size_t size = sizeof(DROPFILES) + 2;  // the list ends in an empty path
  for (const std::string& path : paths) size += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  char* out = reinterpret_cast<char*>(files + 1);
  for (const std::string& path : paths) {
    std::memcpy(out, path.c_str(), path.size() + 1);
    out += path.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST_F(WindowTest, TypedHandlersGetTheMessagesUnpacked) {
  SendMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(105, 3), 0);
  SendMessageA(window.hwnd(), WM_TIMER, 7, 0);
  SendMessageA(window.hwnd(), WM_HOTKEY, 0x4444, 0);
  // From the keyboard the point is -1, -1: the menu goes to the pointer.
  SetCursorPos(123, 45);
  POINT cursor = {};
  GetCursorPos(&cursor);
  SendMessageA(window.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window.hwnd()),
               MAKELPARAM(-1, -1));
  EXPECT_EQ(window.menu_at.x, cursor.x);
  EXPECT_EQ(window.menu_at.y, cursor.y);
  SendMessageA(window.hwnd(), WM_CONTEXTMENU, 0, MAKELPARAM(-5, 300));
  EXPECT_EQ(window.menu_at.x, -5);
  EXPECT_EQ(window.menu_at.y, 300);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"command 105 3", "timer 7", "hot key 17476",
                                                    "context menu", "context menu"}));
}

TEST_F(WindowTest, DroppedFilesArriveWholeAndTheDropIsReleased) {
  // Longer than MAX_PATH, Japanese with a backslash second byte (ソ), plain.
  const std::string deep = "c:\\" + std::string(300, 'x') + "\\memo.txt";
  const std::string japanese = "d:\\\x83\x5C\\\x8E\xCA\x90\x5E";
  const std::vector<std::string> paths{deep, japanese, "e:\\"};
  HDROP drop = MakeDrop(paths);
  SendMessageA(window.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(window.dropped, paths);
  EXPECT_EQ(GlobalFlags(drop), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "DragFinish not called";
}

TEST_F(WindowTest, ModelessWindowsHideWhenClosedAskingTheCloseQueryFirst) {
  window.Show();
  window.may_close = false;
  SendMessageA(window.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(window.IsVisible());
  window.may_close = true;
  SendMessageA(window.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(window.IsVisible());
  EXPECT_NE(window.hwnd(), nullptr);
  window.Show();
  SendMessageA(window.hwnd(), WM_COMMAND, IDCANCEL, 0);  // Esc
  EXPECT_FALSE(window.IsVisible());
}

TEST_F(WindowTest, ModalWindowsEndWithTheResultTheyWereClosedWith) {
  struct Case {
    UINT message;
    WPARAM wparam;
    int result;
  };
  const Case cases[] = {
      {WM_COMMAND, IDOK, IDOK},
      {WM_COMMAND, IDCANCEL, IDCANCEL},
      {WM_CLOSE, 0, IDCANCEL},  // the close box
  };
  for (const Case& c : cases) {
    PostMessageA(window.hwnd(), c.message, c.wparam, 0);
    EXPECT_EQ(window.ShowModal(), c.result) << c.message << " " << c.wparam;
    EXPECT_FALSE(window.IsVisible());
    EXPECT_FALSE(window.InModal());
  }
}

TEST_F(WindowTest, TheObjectLetsGoOfItsWindowAtItsEnd) {
  RecordingWindow main;
  ASSERT_TRUE(main.Create(Ending::kDestroy));
  HWND handle = main.hwnd();
  SendMessageA(handle, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(main.hwnd(), nullptr);

  // A subclassed control destroyed with its parent: the subclass lets go.
  class CountingSubclass final : public Subclass {
   public:
    int messages = 0;
   protected:
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
      ++messages;
      return Subclass::OnMessage(message, wparam, lparam);
    }
  };
  CountingSubclass subclass;
  HWND edit = CreateControl(window.hwnd(), {"EDIT", "", 0, 0, 0, 50, 20, 9});
  subclass.Install(edit);
  ASSERT_TRUE(subclass.installed());
  SetWindowTextA(edit, "x");
  EXPECT_GT(subclass.messages, 0);
  DestroyWindow(window.hwnd());
  EXPECT_FALSE(subclass.installed());
  EXPECT_EQ(window.hwnd(), nullptr);
}

// The active window sees the keys pressed in its controls first, through the
// program's loop, and keeps those it takes; the others go on to the control.
TEST_F(WindowTest, TheActiveWindowSeesItsControlsKeysFirst) {
  class KeysSeen final : public Subclass {
   public:
    std::vector<WPARAM> keys;

   protected:
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
      if (message == WM_KEYDOWN) keys.push_back(wparam);
      return Subclass::OnMessage(message, wparam, lparam);
    }
  };
  HWND edit = CreateControl(window.hwnd(), {"EDIT", "", WS_TABSTOP, 0, 0, 80, 20, 9});
  KeysSeen seen;
  seen.Install(edit);
  window.Show();
  SetForegroundWindow(window.hwnd());
  SetFocus(edit);
  ASSERT_EQ(GetActiveWindow(), window.hwnd());
  window.taken_key = VK_F2;
  window.calls.clear();  // the edit's own news of the focus
  PostMessageW(edit, WM_KEYDOWN, VK_F2, 1);
  PostMessageW(edit, WM_KEYDOWN, VK_END, 1);
  ProcessWaitingMessages();
  EXPECT_EQ(window.calls, (std::vector<std::string>{"key 113", "key 35"}));
  EXPECT_EQ(seen.keys, (std::vector<WPARAM>{VK_END}));
}

TEST(ScopedHandles, FreeOnceAndMoveOwnership) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD flags = 0;
  {
    ScopedHandle first(event);
    ScopedHandle second(std::move(first));
    EXPECT_FALSE(first.valid());
    EXPECT_EQ(second.get(), event);
    ScopedHandle third;
    third = std::move(second);
    EXPECT_TRUE(third.valid());
    EXPECT_TRUE(GetHandleInformation(event, &flags));
  }
  EXPECT_FALSE(GetHandleInformation(event, &flags)) << "the event was not closed";
  ScopedFile failed(CreateFileA("t:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                nullptr));
  EXPECT_FALSE(failed.valid());
}

TEST_F(WindowTest, HotKeysAreHeldUntilTheGuardGoes) {
  const UINT key = VK_F9;
  const UINT modifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
  {
    ScopedHotKey held(window.hwnd(), 1, modifiers, key);
    if (!held.registered()) GTEST_SKIP() << "no global hot keys here";
    ScopedHotKey again(window.hwnd(), 2, modifiers, key);
    EXPECT_FALSE(again.registered());
    ScopedHotKey moved(std::move(held));
    EXPECT_TRUE(moved.registered());
    EXPECT_FALSE(held.registered());
  }
  ScopedHotKey after(window.hwnd(), 3, modifiers, key);
  EXPECT_TRUE(after.registered());
}

}  // namespace
}  // namespace vyr::framework
