#include <cstring>
#include <iostream>
#include <sstream>

#include "platform/console_text.h"
#include "tools/vyr-cli/cli.h"
#include "vyr_version.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "vyr-cli " VYR_VERSION_TEXT "\n";
    return 0;
  }
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(vyr::platform::ArgumentToAnsi(argv[i]));
  std::ostringstream out;
  std::ostringstream err;
  const int status = vyr::cli::Run(args, out, err);
  std::cout << vyr::platform::AnsiToConsole(out.str());
  std::cerr << vyr::platform::AnsiToConsole(err.str());
  return status;
}
