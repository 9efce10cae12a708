// vyr-cli: the index and the lookup from a command line, for scripts and
// benchmarks.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vyr::cli {

inline constexpr int kExitFound = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitScanFirst = 2;
inline constexpr int kExitEmpty = 3;
inline constexpr int kExitDirectOpen = 4;
inline constexpr int kExitUsage = 64;

// Runs one command; `args` are Shift-JIS, without the program name. Output
// is Shift-JIS too; the caller converts it for the console.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vyr::cli
