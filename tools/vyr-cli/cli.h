// vyr-cli: the index and the lookup from a command line, for scripts,
// shells and benchmarks.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drives.h"
#include "platform/volumes.h"

namespace vyr::cli {

inline constexpr int kExitFound = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitScanFirst = 2;
inline constexpr int kExitEmpty = 3;
inline constexpr int kExitDirectOpen = 4;
inline constexpr int kExitNoChoice = 5;
inline constexpr int kExitUsage = 64;

// Shows `question` to the user and returns the line typed, or nothing when
// the input has ended. Both Shift-JIS.
using Ask = std::function<std::optional<std::string>(std::string_view question)>;

// Where a command talks. Output is Shift-JIS; the caller converts it for the
// console.
struct Console {
  std::ostream& out;
  std::ostream& err;
  Ask ask;  // empty: nobody to ask
};

// The drives and their volume labels, as a lookup sees them.
struct Machine {
  platform::Drives& drives;
  platform::Volumes& volumes;
};

// Runs one command; `args` are Shift-JIS, without the program name.
int Run(const std::vector<std::string>& args, const Console& console, const Machine& machine);

// The same on this machine, with nobody to ask.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vyr::cli
