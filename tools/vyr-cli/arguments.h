// The command line of vyr-cli read into one command's options.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr::cli {

inline constexpr char kUsage[] =
    "usage: vyr-cli scan L [--index-dir DIR] [--ignore-sysdir] [--one-thread]\n"
    "       vyr-cli find TEXT [--drive L | --all-drives] [--native] [--pick] [--index-dir DIR]\n"
    "       vyr-cli find [FLAGS] -- TEXT...\n"
    "       vyr-cli expand PARAMS [--dir D] [--input I]\n"
    "       vyr-cli encode url|utf8|euc|jis TEXT\n"
    "       vyr-cli init bash|powershell|cmd\n"
    "       vyr-cli --version\n";

// The bytes that "%e", "%u", "%x" and "%j" take the URL form of.
struct EncodedForm {
  std::string_view name;
  std::string (*bytes)(std::string_view text);
};

struct Options {
  std::string command;
  std::vector<std::string> operands;
  std::optional<std::string> index_dir;  // scan, find
  std::optional<char> drive;             // find
  bool all_drives = false;               // find
  bool native = false;                   // find
  bool pick = false;                     // find
  bool ignore_sysdir = false;            // scan
  bool one_thread = false;               // scan
  std::string directory, input;          // expand
  const EncodedForm* form = nullptr;     // encode
};

// Reads the arguments (without the program name); nothing for a usage error.
std::optional<Options> Parse(const std::vector<std::string>& args);

}  // namespace vyr::cli
