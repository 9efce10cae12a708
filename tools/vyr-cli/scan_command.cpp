#include "tools/vyr-cli/scan_command.h"

#include <algorithm>
#include <vector>

#include "index/scanner.h"
#include "platform/directory_lister.h"
#include "tools/vyr-cli/cli.h"

namespace vyr::cli {
namespace {

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

bool HasDrive(platform::Drives& drives, char letter) {
  const char lower = platform::LowerDriveLetter(letter);
  const std::vector<platform::DriveInfo> listed = drives.List();
  return std::any_of(listed.begin(), listed.end(),
                     [&](const platform::DriveInfo& drive) { return drive.letter == lower; });
}

}  // namespace

int Scan(const Options& options, const IndexStore& store, platform::Drives& drives,
         std::ostream& out, std::ostream& err) {
  const char letter = options.operands[0][0];
  if (!HasDrive(drives, letter)) {
    err << "vyr-cli: there is no drive " << letter << ":\n";
    return kExitNotFound;
  }
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

}  // namespace vyr::cli
