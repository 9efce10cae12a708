#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/console_text.h"
#include "platform/drives.h"
#include "platform/volumes.h"
#include "tools/vyr-cli/cli.h"
#include "vyr_version.h"

namespace {

// The user's answer, a number of a few digits: a longer line is read to its
// end but not kept, and counts as no answer to the question.
std::optional<std::string> ReadAnswer(std::istream& in) {
  constexpr std::size_t kLongest = 256;
  std::string line;
  bool too_long = false;
  bool any = false;
  for (int byte = in.get(); byte != std::char_traits<char>::eof(); byte = in.get()) {
    any = true;
    if (byte == '\n') break;
    if (line.size() == kLongest) {
      too_long = true;
    } else {
      line += static_cast<char>(byte);
    }
  }
  if (!any) return std::nullopt;
  return too_long ? std::string() : line;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "vyr-cli " VYR_VERSION_TEXT "\n";
    return 0;
  }
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(vyr::platform::ArgumentToAnsi(argv[i]));
  std::ostringstream out;
  std::ostringstream err;
  // A question goes to the console at once, after what was said before it;
  // the answer comes in as an argument would.
  const vyr::cli::Ask ask = [&err](std::string_view question) -> std::optional<std::string> {
    std::cerr << vyr::platform::AnsiToConsole(err.str() + std::string(question)) << std::flush;
    err.str("");
    const std::optional<std::string> line = ReadAnswer(std::cin);
    if (!line) return std::nullopt;
    return vyr::platform::ArgumentToAnsi(*line);
  };
  const int status = vyr::cli::Run(args, {out, err, ask},
                                   {vyr::platform::RealDrives(), vyr::platform::RealVolumes()});
  std::cout << vyr::platform::AnsiToConsole(out.str());
  std::cerr << vyr::platform::AnsiToConsole(err.str());
  return status;
}
