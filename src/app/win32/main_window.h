// TForm1: the main window, a narrow tool window with the input box, the
// drive box, GO and Scan, and the owner of the program's menus, the tray's
// two among them. Every event goes to the Application.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "desktop/tray_icon_view.h"
#include "desktop/tray_menus.h"
#include "desktop/win32/task_bar.h"
#include "desktop/win32/tray_icon.h"
#include "framework/controls.h"
#include "framework/menu.h"
#include "framework/scoped_handles.h"
#include "framework/window.h"
#include "jump/win32/completing_input_box.h"
#include "platform/shell.h"
#include "ui/about_box_view.h"

namespace vyr {

class TForm1 final : public framework::Window, public MainWindowView, public TrayMenusView {
 public:
  explicit TForm1(platform::Shell& shell) : shell_(shell) {}
  bool Create(HICON icon);
  // The windows whose places the settings keep, besides this one.
  void SetOtherWindows(framework::Window* chooser, framework::Window* mini) {
    chooser_ = chooser;
    mini_ = mini;
  }
  void SetApplication(Application* application) { application_ = application; }
  void SetAboutBox(AboutBoxView* about) { about_ = about; }

  // The tray icon opens these two menus itself and hands the chosen item's
  // tag back to OnTrayMenuChoice (0 when nothing was chosen).
  framework::PopupMenu& PopLaunch() { return pop_launch_; }
  framework::PopupMenu& PopHistory() { return pop_history_; }
  void OnTrayMenuChoice(TrayMenu menu, int tag);
  // TaskBar1 with the two menus, as tray mode switches it.
  TrayIconView& TrayIcon() { return tray_icon_; }
  // Once the window is first shown: the tray icon appears.
  void LoadTaskBar() { task_bar1_.Loaded(); }

  // MainWindowView
  std::string InputText() const override { return combo_box1_.Text(); }
  void SetInputText(const std::string& text) override { combo_box1_.SetText(text); }
  void ShowHistory(const std::vector<std::string>& entries) override;
  void FillDriveBox(const std::vector<DriveBoxEntry>& entries) override;
  void ShowDriveEntry(int index) override { drive_box1_.Select(index); }
  void RepaintDriveBox() override { drive_box1_.Repaint(); }
  void FillScanMenu(const std::vector<std::string>& captions) override;
  void PlaceWindows(const SettingsValues& values) override;
  void TakePlacement(SettingsValues& values) const override;
  void SetCompletion(bool on) override { input_completion_.SetOn(on); }
  void SetShown(bool shown) override { Show(shown); }
  void Close() override { PostMessageA(hwnd(), WM_CLOSE, 0, 0); }

  // TrayMenusView
  void FillLaunchMenu(const std::vector<LaunchItem>& items) override;
  void EmptyLaunchMenu() override;
  void FillHistoryMenu(const std::vector<std::string>& captions) override;
  void EmptyHistoryMenu() override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnCommand(int id, int code) override;
  void OnContextMenu(POINT at) override { PopMainPopup(at); }
  bool OnCloseQuery() override;
  void OnDropFiles(const std::vector<std::string>& paths) override;

 private:
  // Tags of the designed menu items; the drive-scan menu's items follow
  // kScanTag, the history menu's kHistoryTag, and the launch items carry
  // kLaunchMenuTagBase and above.
  enum MenuTag {
    kHideTag = 1,
    kSettingsTag,
    kHelpContentsTag,
    kInstructionsTag,
    kAboutTag,
    kStopHidingTag,
    kAboutFromTrayTag,
    kExitTag,
    kScanTag = 500,
    kHistoryTag = 20000,
  };

  void CreateControls();
  void BuildMenus();
  void FormResize();
  void FormGetMinMaxInfo(MINMAXINFO& info) const;
  void FormPaint();
  void FormCloseQuery();
  void PopMainPopup(POINT at);
  void PopLaunchClick(int tag);
  void PopHistoryClick(int tag);
  void OpenHelp(const char* page) const;
  // The help items of both menus; false when `tag` is none of them.
  bool OpenHelpItem(int tag) const;
  static constexpr char kHelpContentsPage[] = "html\\index.html";
  static constexpr char kInstructionsPage[] = "html\\index2.html";
  void ShowAbout();
  LRESULT OnQueryEndSession();
  void OnEndSession(bool ending);

  platform::Shell& shell_;
  Application* application_ = nullptr;
  framework::Window* chooser_ = nullptr;
  framework::Window* mini_ = nullptr;
  AboutBoxView* about_ = nullptr;

  framework::Control label1_;
  framework::ComboBox combo_box1_;
  CompletingInputBox input_completion_;
  framework::ComboBoxEx drive_box1_;
  framework::Button button1_;
  framework::Button button2_;
  framework::ScopedBitmap go_picture_;
  framework::ScopedBitmap scan_picture_;

  framework::PopupMenu pop_main_;
  framework::PopupMenu pop_scan_;
  // The tray icon's menus: built now, opened by the tray icon.
  framework::PopupMenu pop_launch_;
  framework::PopupMenu pop_launch_help_;
  framework::PopupMenu pop_history_;
  // The launch items' pictures, as long as the items are in the menu.
  std::vector<framework::ScopedBitmap> launch_pictures_;
  // The history items' captions, by tag - kHistoryTag.
  std::vector<std::string> history_captions_;
  TTaskBar task_bar1_;
  vyr::TrayIcon tray_icon_{task_bar1_, pop_history_, pop_launch_};
  int fixed_height_ = 0;
  int label_width_ = 36;
  int strip_width_ = 41;
};

}  // namespace vyr
