// TForm4: the Mini window, a one-line input box shown for one command from
// tray mode. The global hot keys are registered on its window, so that they
// arrive while it is hidden. Every event goes to the MiniWindow controller, a
// drop to the Drops.
#pragma once

#include "desktop/drops.h"
#include "desktop/hot_keys.h"
#include "desktop/mini_window.h"
#include "framework/controls.h"
#include "framework/window.h"
#include "jump/win32/completing_input_box.h"
#include "ui/mini_window_view.h"

namespace vyr {

class TForm4 final : public framework::Window, public MiniWindowView, public HotKeyService {
 public:
  bool Create(HWND owner, HICON icon);
  void SetController(MiniWindow* controller) { controller_ = controller; }
  // Where files dropped on the window go.
  void SetDrops(Drops* drops) { drops_ = drops; }

  // MiniWindowView
  std::string InputText() const override { return combo_box1_.Text(); }
  void SetCaption(std::string_view caption) override { SetText(caption); }
  void ShowInFront() override;
  void Hide() override { Show(false); }
  void ShowHistoryList(const std::vector<std::string>& entries) override;
  void SetCompletion(bool on) override { completion_.SetOn(on); }
  void SetCloseInputMethod(bool on) override { close_input_method_ = on; }

  // HotKeyService
  void RegisterHotKey(int id, HotKeyParts parts) override;
  void UnregisterHotKey(int id) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnCommand(int id, int code) override;
  void OnHotKey(int id) override;
  void OnDropFiles(const std::vector<std::string>& paths) override;

 private:
  void FitToInputBox();
  void FormShow();
  void FormHide();
  void FormResize();
  void FormGetMinMaxInfo(MINMAXINFO& info) const;
  void ComboBox1KeyPress(char key);
  // The box has taken the keyboard focus.
  void ComboBox1Focused();

  MiniWindow* controller_ = nullptr;
  Drops* drops_ = nullptr;
  framework::Control label1_;
  framework::ComboBox combo_box1_;
  CompletingInputBox completion_;
  int label_width_ = 34;
  // The window's height, which only the input box decides.
  int height_ = 60;
  bool close_input_method_ = false;
};

}  // namespace vyr
