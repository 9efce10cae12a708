#include "tools/vyr-cli/cli.h"

#include <cctype>
#include <optional>

#include "index/index_store.h"
#include "index/scanner.h"
#include "jump/jump_texts.h"
#include "jump/lookup.h"
#include "platform/volumes.h"

namespace vyr::cli {
namespace {

constexpr char kUsage[] =
    "usage: vyr-cli scan L [--index-dir DIR] [--ignore-sysdir]\n"
    "       vyr-cli find TEXT [--drive L] [--index-dir DIR]\n";

struct Options {
  std::string command;
  std::string operand;
  std::optional<std::string> index_dir;
  std::optional<char> drive;
  bool ignore_sysdir = false;
};

bool IsDriveLetter(const std::string& text) {
  return text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0]));
}

// Parses the arguments; an empty optional means a usage error.
std::optional<Options> Parse(const std::vector<std::string>& args) {
  if (args.size() < 2) return std::nullopt;
  Options options;
  options.command = args[0];
  options.operand = args[1];
  if (options.command != "scan" && options.command != "find") return std::nullopt;
  if (options.command == "scan" && !IsDriveLetter(options.operand)) return std::nullopt;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& flag = args[i];
    const bool has_value = i + 1 < args.size();
    if (flag == "--index-dir" && has_value) {
      options.index_dir = args[++i];
    } else if (flag == "--drive" && has_value && options.command == "find" &&
               IsDriveLetter(args[i + 1])) {
      options.drive = args[++i][0];
    } else if (flag == "--ignore-sysdir" && options.command == "scan") {
      options.ignore_sysdir = true;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

char Lower(char letter) { return static_cast<char>(std::tolower(static_cast<unsigned char>(letter))); }

// The drive box of a program without windows: the drive and its index.
class IndexedDrive final : public DriveBox {
 public:
  IndexedDrive(const IndexStore& store, LoadedIndex& index, char letter)
      : store_(store), index_(index), letter_(Lower(letter)) {
    LoadIndexOfDrive(letter_, store_, index_);
  }
  char CurrentLetter() const override { return letter_; }
  void SelectDrive(char letter) override {
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
  const char letter = options.operand[0];
  LoadedIndex index;
  LoadIndexOfDrive(letter, store, index);
  const auto lister = platform::MakeDirectoryLister();
  SilentScanView view;
  StreamWarnings warnings(err);
  Scanner(index, store, *lister, view, warnings).Scan(letter, options.ignore_sysdir);
  out << index.paths.size() << '\n';
  return warnings.shown() ? kExitNotFound : kExitFound;
}

int Find(const Options& options, const IndexStore& store, std::ostream& out, std::ostream& err) {
  const char letter = options.drive.value_or(platform::CurrentDriveLetter());
  if (letter == 0) {
    err << "vyr-cli: the current directory is on no drive; name one with --drive\n";
    return kExitUsage;
  }
  LoadedIndex index;
  IndexedDrive drive(store, index, letter);
  std::vector<std::string> results;
  const LookupOutcome outcome = Lookup(options.operand, index, drive, results);
  switch (outcome.kind) {
    case LookupKind::kDirectOpen:
      out << outcome.text << '\n';
      return kExitDirectOpen;
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

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<Options> options = Parse(args);
  if (!options) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string directory = options->index_dir
                                    ? platform::WithTrailingSeparator(*options->index_dir)
                                    : platform::ProgramDirectory();
  const IndexStore store(platform::RealFileSystem(), directory);
  return options->command == "scan" ? Scan(*options, store, out, err)
                                    : Find(*options, store, out, err);
}

}  // namespace vyr::cli
