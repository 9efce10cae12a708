#include "tools/vyr-cli/cli.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>
#include <span>

#include "index/index_store.h"
#include "index/scanner.h"
#include "jump/henkan_j.h"
#include "jump/jump_texts.h"
#include "jump/lookup.h"
#include "jump/macro_expansion.h"
#include "jump/url_form.h"
#include "platform/utf8_text.h"
#include "platform/volumes.h"

namespace vyr::cli {
namespace {

constexpr char kUsage[] =
    "usage: vyr-cli scan L [--index-dir DIR] [--ignore-sysdir] [--one-thread]\n"
    "       vyr-cli find TEXT [--drive L] [--index-dir DIR]\n"
    "       vyr-cli expand PARAMS [--dir D] [--input I]\n"
    "       vyr-cli encode url|utf8|euc|jis TEXT\n";

// The bytes that "%e", "%u", "%x" and "%j" take the URL form of.
struct EncodedForm {
  std::string_view name;
  std::string (*bytes)(std::string_view text);
};

std::string ShiftJisBytes(std::string_view text) { return std::string(text); }

constexpr EncodedForm kEncodedForms[] = {
    {"url", ShiftJisBytes},
    {"utf8", platform::AnsiToUtf8},
    {"euc", HenkanJ::EucForm},
    {"jis", HenkanJ::JisForm},
};

struct Options {
  std::string command;
  std::vector<std::string> operands;
  std::optional<std::string> index_dir;  // scan, find
  std::optional<char> drive;             // find
  bool ignore_sysdir = false;            // scan
  bool one_thread = false;               // scan
  std::string directory, input;          // expand
  const EncodedForm* form = nullptr;     // encode
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

bool ReadFlags(Arguments args, const std::vector<Flag>& flags) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const auto flag = std::find_if(flags.begin(), flags.end(),
                                   [&](const Flag& known) { return known.name == args[i]; });
    if (flag == flags.end()) return false;
    std::string value;
    if (flag->has_value) {
      if (++i == args.size()) return false;
      value = args[i];
    }
    if (!flag->keep(value)) return false;
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

// Each command's operands and flags; `args` follow the command's name.
bool ParseScan(Arguments args, Options& options) {
  if (args.empty() || !IsDriveLetter(args[0])) return false;
  options.operands = {args[0]};
  return ReadFlags(args.subspan(1), {TextFlag("--index-dir", options.index_dir),
                                     {"--ignore-sysdir", false, [&](const std::string&) {
                                        options.ignore_sysdir = true;
                                        return true;
                                      }},
                                     {"--one-thread", false, [&](const std::string&) {
                                        options.one_thread = true;
                                        return true;
                                      }}});
}

bool ParseFind(Arguments args, Options& options) {
  if (args.empty()) return false;
  options.operands = {args[0]};
  return ReadFlags(args.subspan(1), {TextFlag("--index-dir", options.index_dir),
                                     {"--drive", true, [&](const std::string& value) {
                                        if (!IsDriveLetter(value)) return false;
                                        options.drive = value[0];
                                        return true;
                                      }}});
}

bool ParseExpand(Arguments args, Options& options) {
  if (args.empty()) return false;
  options.operands = {args[0]};
  return ReadFlags(args.subspan(1), {TextFlag("--dir", options.directory),
                                     TextFlag("--input", options.input)});
}

bool ParseEncode(Arguments args, Options& options) {
  if (args.size() != 2) return false;
  options.operands = {args[0], args[1]};
  for (const EncodedForm& form : kEncodedForms) {
    if (form.name == args[0]) options.form = &form;
  }
  return options.form != nullptr;
}

// Parses the arguments; an empty optional means a usage error.
std::optional<Options> Parse(const std::vector<std::string>& args) {
  struct Command {
    std::string_view name;
    bool (*parse)(Arguments args, Options& options);
  };
  static constexpr Command kCommands[] = {
      {"scan", ParseScan}, {"find", ParseFind}, {"expand", ParseExpand}, {"encode", ParseEncode}};
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

char Lower(char letter) { return static_cast<char>(std::tolower(static_cast<unsigned char>(letter))); }

// The drive box of a program without windows: the drive and its index.
class IndexedDrive final {
 public:
  IndexedDrive(const IndexStore& store, LoadedIndex& index, char letter)
      : store_(store), index_(index), letter_(Lower(letter)) {
    LoadIndexOfDrive(letter_, store_, index_);
  }
  char CurrentLetter() const { return letter_; }
  void SelectDrive(char letter) {
    if (Lower(letter) == letter_) return;
    letter_ = Lower(letter);
    LoadIndexOfDrive(letter_, store_, index_);
  }

 private:
  const IndexStore& store_;
  LoadedIndex& index_;
  char letter_;
};

class SilentScanView final : public ScanView {
 public:
  void SetDriveLetter(char) override {}
  void SetBarRange(int, bool) override {}
  void SetBarPosition(int) override {}
  void SetPathText(std::string_view) override {}
  void SetCountText(std::string_view) override {}
  void Show() override {}
  void Hide() override {}
  void Repaint() override {}
  void ShowProgress() override {}
  void SetBusyCursor(bool) override {}
};

class StreamWarnings final : public WarningBox {
 public:
  explicit StreamWarnings(std::ostream& err) : err_(err) {}
  void ShowWarning(std::string_view text) override {
    err_ << text << '\n';
    shown_ = true;
  }
  bool shown() const { return shown_; }

 private:
  std::ostream& err_;
  bool shown_ = false;
};

int Scan(const Options& options, const IndexStore& store, std::ostream& out, std::ostream& err) {
  const char letter = options.operands[0][0];
  LoadedIndex index;
  LoadIndexOfDrive(letter, store, index);
  const auto lister = platform::MakeDirectoryLister();
  SilentScanView view;
  StreamWarnings warnings(err);
  // One thread walks as a machine of one core does, for the benchmarks.
  ListerMaker more_listers;
  if (!options.one_thread) more_listers = platform::MakeDirectoryLister;
  Scanner(index, store, *lister, view, warnings, std::move(more_listers))
      .Scan(letter, options.ignore_sysdir);
  out << index.paths.size() << '\n';
  return warnings.shown() ? kExitNotFound : kExitFound;
}

int Find(const Options& options, const IndexStore& store, std::ostream& out, std::ostream& err) {
  const char letter = options.drive.value_or(platform::CurrentDriveLetter());
  if (letter == 0) {
    err << "vyr-cli: the current directory is on no drive; name one with --drive\n";
    return kExitUsage;
  }
  const LookupRequest request = ReadTypedText(options.operands[0]);
  if (request.direct_open) {
    out << request.text << '\n';
    return kExitDirectOpen;
  }
  LoadedIndex index;
  IndexedDrive drive(store, index, letter);
  if (request.drive != 0) drive.SelectDrive(request.drive);
  std::vector<std::string> results;
  const LookupOutcome outcome = Search(request.text, index, drive.CurrentLetter(), results);
  switch (outcome.kind) {
    case LookupKind::kScanFirst:
      err << texts::kScanFirst << '\n';
      return kExitScanFirst;
    case LookupKind::kNothing:
      return kExitEmpty;
    case LookupKind::kCandidates:
      break;
  }
  if (results.empty()) {
    err << outcome.text << texts::kNotFound << '\n';
    return kExitNotFound;
  }
  for (const std::string& path : results) out << path << '\n';
  return kExitFound;
}

int Expand(const Options& options, std::ostream& out) {
  out << ExpandParameters(options.operands[0], options.directory, options.input) << '\n';
  return kExitFound;
}

int Encode(const Options& options, std::ostream& out) {
  out << UrlForm(options.form->bytes(options.operands[1])) << '\n';
  return kExitFound;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<Options> options = Parse(args);
  if (!options) {
    err << kUsage;
    return kExitUsage;
  }
  if (options->command == "expand") return Expand(*options, out);
  if (options->command == "encode") return Encode(*options, out);
  const std::string directory = options->index_dir
                                    ? platform::WithTrailingSeparator(*options->index_dir)
                                    : platform::ProgramDirectory();
  const IndexStore store(platform::RealFileSystem(), directory);
  return options->command == "scan" ? Scan(*options, store, out, err)
                                    : Find(*options, store, out, err);
}

}  // namespace vyr::cli
