// Any bytes as the command line: splitting and the switch loop must end
// without harm, and the quotes are gone from every argument.
#include <cstdint>
#include <string>

#include "app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> args = vyr::SplitCommandLine(line);
  for (const std::string& arg : args) {
    for (char c : arg) {
      if (c == '"') __builtin_trap();
    }
  }
  vyr::ParseCommandLine(args);
  return 0;
}
