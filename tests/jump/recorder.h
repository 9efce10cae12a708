// Records what the jump controllers do to the shell, the warning box and
// the main window, one line per effect, in order.
#pragma once

#include <string>
#include <vector>

#include "jump/expand_and_run.h"

namespace vyr::test {

// Every effect as a line, in order.
class Recorder final : public platform::Shell, public WarningBox, public MainWindowControl {
 public:
  std::vector<std::string> effects;
  void Execute(std::string_view program, std::string_view parameters,
               std::string_view directory) override {
    effects.push_back("run " + std::string(program) + " | " + std::string(parameters) + " | " +
                      std::string(directory));
  }
  void Open(std::string_view target) override { effects.push_back("open " + std::string(target)); }
  void ShowWarning(std::string_view text) override { effects.push_back("warn " + std::string(text)); }
  void Close() override { effects.push_back("close"); }
};

}  // namespace vyr::test
