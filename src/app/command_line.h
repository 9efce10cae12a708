// The program's command line: splitting it into arguments and reading the
// start-up switches from them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// The current command that /o sets when its value is not a whole number: no
// command sits there, so GO refuses with a warning instead of quietly
// starting the first command.
inline constexpr int kNoCommand = -1;

struct StartupOptions {
  std::optional<std::string> settings_path;  // /i; none for the default file
  std::optional<char> drive;                 // /d; a letter, in the case given
  bool one_shot = false;                     // /o
  int current_command = 0;                   // /o's value
  bool scan_and_exit = false;                // /s
  std::string scan_drives;                   // /s's value, as given

  bool operator==(const StartupOptions&) const = default;
};

// Splits the line as GetCommandLineA gives it; argument 0 is the program path.
// Arguments end at bytes 0x00-0x20 outside quotes; a double quote toggles
// quoting and is dropped, so "a""b" is ab and "" alone is an empty argument.
std::vector<std::string> SplitCommandLine(std::string_view line);

// True when `arg` is "/" or "-" and then the letter `letter` in either case,
// and nothing more.
bool IsSwitch(std::string_view arg, char letter);

// Reads /i path, /d drive, /o command and /s drives from args[1..]. A switch
// takes the next argument as its value, whatever it looks like.
StartupOptions ParseCommandLine(const std::vector<std::string>& args);

}  // namespace vyr
