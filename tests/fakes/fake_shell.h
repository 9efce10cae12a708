// The shell: "run PROGRAM | PARAMETERS | DIRECTORY", "open TARGET" and
// "open page PAGE".
#pragma once

#include <string>

#include "fakes/effect_log.h"
#include "platform/shell.h"

namespace vyr::test {

class FakeShell final : public platform::Shell, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  void Execute(std::string_view program, std::string_view parameters,
               std::string_view directory) override {
    Log("run " + std::string(program) + " | " + std::string(parameters) + " | " +
        std::string(directory));
  }
  void Open(std::string_view target) override { Log("open " + std::string(target)); }
  void OpenPage(std::string_view page) override { Log("open page " + std::string(page)); }
};

}  // namespace vyr::test
