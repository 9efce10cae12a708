// TForm5: the scan progress window, topmost and borderless, repainted by the
// scan itself since no message loop runs meanwhile.
#pragma once

#include <functional>
#include <string>

#include "framework/controls.h"
#include "framework/window.h"
#include "index/scan_view.h"

namespace vyr {

class TForm5 final : public framework::Window, public ScanView {
 public:
  // `scanning` tells whether a scan runs; the window refuses to close then.
  explicit TForm5(std::function<bool()> scanning) : scanning_(std::move(scanning)) {}
  bool Create();

  void SetDriveLetter(char upper_letter) override;
  void SetBarRange(int maximum, bool visible) override;
  void SetBarPosition(int position) override { bar_position_ = position; }
  void SetPathText(std::string_view text) override { path_text_ = text; }
  void SetCountText(std::string_view text) override { count_text_ = text; }
  void Show() override;
  void Hide() override { framework::Window::Hide(); }
  void Repaint() override { PaintNow(); }
  void ShowProgress() override;
  void SetBusyCursor(bool busy) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // The window does not close while a scan runs.
  bool OnCloseQuery() override { return !scanning_(); }

 private:
  void PaintNow();

  std::function<bool()> scanning_;
  framework::Control label2_;  // the path
  framework::Control label4_;  // the drive letter
  framework::Control label5_;  // the counts
  framework::ProgressBar progress_bar1_;
  std::string path_text_;
  std::string count_text_;
  int bar_position_ = 0;
  DWORD last_paint_ = 0;
};

}  // namespace vyr
