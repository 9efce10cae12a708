#include "tools/vyr-cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <span>

#include "jump/henkan_j.h"
#include "platform/utf8_text.h"
#include "tools/vyr-cli/init_scripts.h"

namespace vyr::cli {
namespace {

std::string ShiftJisBytes(std::string_view text) {
  return std::string(text);
}

constexpr EncodedForm kEncodedForms[] = {
    {"url", ShiftJisBytes},
    {"utf8", platform::AnsiToUtf8},
    {"euc", HenkanJ::EucForm},
    {"jis", HenkanJ::JisForm},
};

bool IsDriveLetter(const std::string& text) {
  return text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0]));
}

// A flag that one command takes. A flag with a value gets the argument after
// it; `keep` stores it, or returns false to reject it.
struct Flag {
  std::string_view name;
  bool has_value;
  std::function<bool(const std::string& value)> keep;
};

using Arguments = std::span<const std::string>;

// Reads the flag that `args` begins with and says how many arguments it
// took; 0 when `args` begins with no flag of `flags`, -1 when the flag is
// wrong.
int ReadFlag(Arguments args, const std::vector<Flag>& flags) {
  const auto flag = std::find_if(flags.begin(), flags.end(),
                                 [&](const Flag& known) { return known.name == args[0]; });
  if (flag == flags.end()) return 0;
  if (flag->has_value && args.size() < 2) return -1;
  const std::string value = flag->has_value ? args[1] : std::string();
  if (!flag->keep(value)) return -1;
  return flag->has_value ? 2 : 1;
}

bool ReadFlags(Arguments args, const std::vector<Flag>& flags) {
  while (!args.empty()) {
    const int taken = ReadFlag(args, flags);
    if (taken <= 0) return false;
    args = args.subspan(static_cast<std::size_t>(taken));
  }
  return true;
}

template <typename Target>
Flag TextFlag(std::string_view name, Target& target) {
  return {name, true, [&target](const std::string& value) {
            target = value;
            return true;
          }};
}

Flag SwitchFlag(std::string_view name, bool& target) {
  return {name, false, [&target](const std::string&) {
            target = true;
            return true;
          }};
}

// The arguments after "--", as a shell's "$*" gives them.
std::string Joined(Arguments args) {
  std::string text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) text += ' ';
    text += args[i];
  }
  return text;
}

// Each command's operands and flags; `args` follow the command's name.
bool ParseScan(Arguments args, Options& options) {
  if (args.empty() || !IsDriveLetter(args[0])) return false;
  options.operands = {args[0]};
  return ReadFlags(args.subspan(1), {TextFlag("--index-dir", options.index_dir),
                                     SwitchFlag("--ignore-sysdir", options.ignore_sysdir),
                                     SwitchFlag("--one-thread", options.one_thread)});
}

// TEXT is the one argument that is no flag, or everything after "--", so
// that a shell function can pass what it was given whatever it holds.
bool ParseFind(Arguments args, Options& options) {
  const std::vector<Flag> flags = {TextFlag("--index-dir", options.index_dir),
                                   {"--drive", true,
                                    [&](const std::string& value) {
                                      if (!IsDriveLetter(value)) return false;
                                      options.drive = value[0];
                                      return true;
                                    }},
                                   SwitchFlag("--all-drives", options.all_drives),
                                   SwitchFlag("--native", options.native),
                                   SwitchFlag("--pick", options.pick)};
  std::optional<std::string> text;
  while (!args.empty()) {
    if (args[0] == "--") {
      if (text) return false;
      text = Joined(args.subspan(1));
      break;
    }
    int taken = ReadFlag(args, flags);
    if (taken < 0) return false;
    if (taken == 0) {
      if (text) return false;
      text = args[0];
      taken = 1;
    }
    args = args.subspan(static_cast<std::size_t>(taken));
  }
  if (!text || (options.drive && options.all_drives)) return false;
  options.operands = {*text};
  return true;
}

bool ParseExpand(Arguments args, Options& options) {
  if (args.empty()) return false;
  options.operands = {args[0]};
  return ReadFlags(args.subspan(1),
                   {TextFlag("--dir", options.directory), TextFlag("--input", options.input)});
}

bool ParseEncode(Arguments args, Options& options) {
  if (args.size() != 2) return false;
  options.operands = {args[0], args[1]};
  for (const EncodedForm& form : kEncodedForms) {
    if (form.name == args[0]) options.form = &form;
  }
  return options.form != nullptr;
}

bool ParseInit(Arguments args, Options& options) {
  if (args.size() != 1 || !HasInitScript(args[0])) return false;
  options.operands = {args[0]};
  return true;
}

}  // namespace

std::optional<Options> Parse(const std::vector<std::string>& args) {
  struct Command {
    std::string_view name;
    bool (*parse)(Arguments args, Options& options);
  };
  static constexpr Command kCommands[] = {{"scan", ParseScan},
                                          {"find", ParseFind},
                                          {"expand", ParseExpand},
                                          {"encode", ParseEncode},
                                          {"init", ParseInit}};
  if (args.empty()) return std::nullopt;
  for (const Command& command : kCommands) {
    if (command.name != args[0]) continue;
    Options options;
    options.command = args[0];
    if (!command.parse(Arguments(args).subspan(1), options)) return std::nullopt;
    return options;
  }
  return std::nullopt;
}

}  // namespace vyr::cli
