#include <iostream>
#include <sstream>

#include "platform/console_text.h"
#include "tools/vyr-cli/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(vyr::platform::ArgumentToAnsi(argv[i]));
  std::ostringstream out;
  std::ostringstream err;
  const int status = vyr::cli::Run(args, out, err);
  std::cout << vyr::platform::AnsiToConsole(out.str());
  std::cerr << vyr::platform::AnsiToConsole(err.str());
  return status;
}
