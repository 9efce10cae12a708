#include "app/command_line.h"

#include <cstdint>

namespace vyr {
namespace {

// The second byte of a double-byte character is 0x40 or more, never a blank
// or a quote, so the line can be split byte by byte.
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Decimal only, optional sign, the whole text; "0x1F", " 1" and "1x" are not
// numbers, nor is anything outside the 32-bit range.
std::optional<int> ParseWholeNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const std::int64_t limit = negative ? std::int64_t{INT32_MAX} + 1 : INT32_MAX;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;  // stops before the sum can overflow
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> args;
  std::string current;
  bool started = false;  // a quote starts an argument even if nothing follows
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      started = true;
    } else if (IsBlank(c) && !quoted) {
      if (started) args.push_back(std::move(current));
      current.clear();
      started = false;
    } else {
      current.push_back(c);
      started = true;
    }
  }
  // An unclosed quote simply runs to the end of the line.
  if (started) args.push_back(std::move(current));
  return args;
}

bool IsSwitch(std::string_view arg, char letter) {
  return arg.size() == 2 && (arg[0] == '/' || arg[0] == '-') && IsAsciiLetter(arg[1]) &&
         LowerAscii(arg[1]) == LowerAscii(letter);
}

StartupOptions ParseCommandLine(const std::vector<std::string>& args) {
  StartupOptions options;
  // Reading past the last argument gives the empty text, so a switch at the
  // end takes an empty value.
  auto arg = [&args](std::size_t i) -> std::string_view {
    return i < args.size() ? std::string_view(args[i]) : std::string_view();
  };
  // Each step tests i, d, o and s in that order on whatever argument it has
  // reached by then, so a value can itself be read as the next switch.
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (IsSwitch(arg(i), 'i')) {
      ++i;
      if (!arg(i).empty()) options.settings_path = std::string(arg(i));
    }
    if (IsSwitch(arg(i), 'd')) {
      ++i;
      const std::string_view value = arg(i);
      // Anything but a letter names no drive; the drive box stays as it is.
      if (!value.empty() && IsAsciiLetter(value[0])) options.drive = value[0];
    }
    if (IsSwitch(arg(i), 'o')) {
      ++i;
      options.one_shot = true;
      options.current_command = ParseWholeNumber(arg(i)).value_or(kNoCommand);
    }
    if (IsSwitch(arg(i), 's')) {
      ++i;
      options.scan_and_exit = true;
      options.scan_drives = std::string(arg(i));
    }
  }
  return options;
}

}  // namespace vyr
