// The scan progress window and the cursor, a line each ("scan: show", ...);
// `on_show` lets a test do what a message pumped meanwhile would do.
#pragma once

#include <functional>
#include <string>

#include "fakes/effect_log.h"
#include "index/scan_view.h"

namespace vyr::test {

class FakeScanView final : public ScanView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  std::function<void()> on_show;

  void SetDriveLetter(char letter) override { Log(std::string("scan: letter ") + letter); }
  void SetBarRange(int maximum, bool visible) override {
    Log("scan: range " + std::to_string(maximum) + (visible ? " shown" : " hidden"));
  }
  void SetBarPosition(int position) override { Log("scan: position " + std::to_string(position)); }
  void SetPathText(std::string_view text) override { Log("scan: path " + std::string(text)); }
  void SetCountText(std::string_view text) override { Log("scan: count " + std::string(text)); }
  void Show() override {
    Log("scan: show");
    if (on_show) on_show();
  }
  void Hide() override { Log("scan: hide"); }
  void Repaint() override { Log("scan: repaint"); }
  void ShowProgress() override { Log("scan: progress"); }
  void SetBusyCursor(bool busy) override { Log(busy ? "scan: busy" : "scan: idle"); }
};

}  // namespace vyr::test
