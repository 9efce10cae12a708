// Starting programs and opening documents and addresses through the
// platform's shell: the one way out of the program to other programs.
#pragma once

#include <string_view>

namespace vyr::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteA with no verb (the file's default one), the parameters, the
  // initial directory ("" for none) and SW_SHOW. Nothing of the result is
  // used: a failing start is the shell's own to report.
  virtual void Execute(std::string_view program, std::string_view parameters,
                       std::string_view directory) = 0;

  // ShellExecuteA with the "open" verb, no parameters and no directory, as
  // for a typed address, a help page or a web link: the shell decides what
  // opens it.
  virtual void Open(std::string_view target) = 0;

  // ShellExecuteA with the "Open" verb and SW_SHOWNORMAL, no parameters and
  // no directory: a help page beside the program.
  virtual void OpenPage(std::string_view page) = 0;
};

}  // namespace vyr::platform
