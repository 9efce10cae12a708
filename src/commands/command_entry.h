// One entry of the user's Command list.
#pragma once

#include <string>

namespace vyr {

struct CommandEntry {
  std::string title;       // "-" makes the entry a separator
  std::string program;     // the file that the shell starts
  std::string parameters;  // the parameter line, with macros
  std::string directory;   // initial directory; empty for none
  std::string hot_key;     // shortcut text; empty for none

  bool IsSeparator() const { return title == "-"; }
  bool operator==(const CommandEntry&) const = default;
};

}  // namespace vyr
