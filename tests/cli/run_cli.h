// vyr-cli's Run as a test calls it: what it printed and its exit status.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/volumes.h"
#include "tools/vyr-cli/cli.h"

namespace vyr::cli {

struct Output {
  int status;
  std::string out, err;
};

inline Machine RealMachine() {
  return {platform::RealDrives(), platform::RealVolumes()};
}

inline Output RunCli(const std::vector<std::string>& args, const Machine& machine = RealMachine(),
                     Ask ask = {}) {
  std::ostringstream out, err;
  const int status = Run(args, Console{out, err, std::move(ask)}, machine);
  return {status, out.str(), err.str()};
}

}  // namespace vyr::cli
