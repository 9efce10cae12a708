// The Mini window: its input text as state, the rest as lines ("mini: ...").
#pragma once

#include <string>
#include <vector>

#include "fakes/effect_log.h"
#include "ui/mini_window_view.h"

namespace vyr::test {

class FakeMiniWindow final : public MiniWindowView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  std::string input;
  std::string caption;
  std::vector<std::string> list;  // the drop-down list, newest first
  bool shown = false;
  bool completion = false;
  bool close_input_method = false;

  std::string InputText() const override { return input; }
  void SetCaption(std::string_view text) override { caption = text; }
  void ShowInFront() override {
    shown = true;
    Log("mini: show");
  }
  void Hide() override {
    if (shown) Log("mini: hide");
    shown = false;
  }
  void ShowHistoryList(const std::vector<std::string>& entries) override {
    list = entries;
    Log(entries.empty() ? "mini: empty list" : "mini: fill list");
  }
  void SetCompletion(bool on) override { completion = on; }
  void SetCloseInputMethod(bool on) override { close_input_method = on; }
};

}  // namespace vyr::test
