// WinMain: one instance, the seven windows in their order, start-up, the
// message loop.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "app/application.h"
#include "app/win32/about_box.h"
#include "app/win32/main_window.h"
#include "app/win32/main_window_texts.h"
#include "commands/win32/command_editor.h"
#include "commands/win32/settings_form.h"
#include "desktop/win32/mini_window_form.h"
#include "platform/win32/shell.h"
#include "app/command_line.h"
#include "framework/dialogs.h"
#include "resource_ids.h"
#include "index/win32/scan_progress_window.h"
#include "jump/win32/decide.h"
#include "platform/directory_lister.h"
#include "platform/file_system.h"
#include "platform/drives.h"
#include "platform/volumes.h"
#include "ui/win32/message_boxes.h"

namespace vyr {
namespace {

std::string ProgramPath() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

int Run() {
  CreateMutexA(nullptr, FALSE, texts::kMutexName);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    framework::ShowWarningBox(nullptr, texts::kAlreadyRunning);
    return 0;
  }
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                        ICC_USEREX_CLASSES | ICC_HOTKEY_CLASS |
                                                        ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VYR));

  std::unique_ptr<Application> application;
  // The windows reach other programs through the one shell, on behalf of
  // the main window; the about box opens its link on its own behalf.
  platform::Win32Shell shell;
  TForm1 form1(shell);
  TForm2 form2;
  TForm3 form3;
  TForm4 form4;
  TForm5 form5([&application] { return application && application->scanning(); });
  TForm6 form6;
  TForm7 form7;
  form1.Create(icon);
  form2.Create(form1.hwnd());
  form3.Create(form1.hwnd());
  form4.Create(form1.hwnd(), icon);
  form5.Create();
  // Owned by no window: the task bar gives a button only to such a window,
  // and while the dialog is shown the main window and the tray icon are away.
  form6.Create(nullptr, icon);
  form7.Create(form6.hwnd());
  form1.SetOtherWindows(&form2, &form4);
  form1.SetAboutBox(&form3);

  shell.SetOwner(form1.hwnd());
  MessageBoxesOf warnings(form1);
  // The settings dialog's questions and warnings stand in front of it.
  MessageBoxesOf settings_boxes(form6);
  const auto lister = platform::MakeDirectoryLister();
  application = std::make_unique<Application>(
      ApplicationViews{form1, form2, form5, form4, form1.TrayIcon(), form1, form3, shell,
                       warnings,
                       SettingsWindows{form6, form6, form7, settings_boxes, settings_boxes,
                                       settings_boxes}},
      ApplicationServices{platform::RealFileSystem(), *lister, platform::RealDrives(),
                          platform::RealVolumes(), RealSettingsFiles(), form4,
                          platform::MakeDirectoryLister},
      ProgramPath(), platform::ProgramDirectory());
  form1.SetApplication(application.get());
  form4.SetController(&application->mini_window());
  form4.SetDrops(&application->drops());
  form6.SetController(&application->settings_dialog());
  // Once, now that a drop has somewhere to go: the main window, then the
  // Mini window.
  DragAcceptFiles(form1.hwnd(), TRUE);
  DragAcceptFiles(form4.hwnd(), TRUE);
  application->Start(SplitCommandLine(GetCommandLineA()));
  form1.Show();
  form1.LoadTaskBar();
  UpdateWindow(form1.hwnd());
  const int code = framework::RunMessageLoop();
  form6.SetController(nullptr);
  form4.SetDrops(nullptr);
  form4.SetController(nullptr);
  form1.SetApplication(nullptr);
  return code;
}

}  // namespace
}  // namespace vyr

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return vyr::Run(); }
