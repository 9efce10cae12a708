#include "tools/vyr-cli/find_command.h"

#include <algorithm>

#include "jump/jump_texts.h"
#include "jump/lookup.h"
#include "platform/console_text.h"
#include "platform/drives.h"
#include "tools/vyr-cli/candidate_choice.h"

namespace vyr::cli {
namespace {

// The drive box of a program without windows: the drive and its index.
class IndexedDrive final {
 public:
  IndexedDrive(const IndexStore& store, platform::Volumes& volumes, LoadedIndex& index, char letter)
      : store_(store),
        volumes_(volumes),
        index_(index),
        letter_(platform::LowerDriveLetter(letter)) {
    Load();
  }
  char CurrentLetter() const { return letter_; }
  void SelectDrive(char letter) {
    if (platform::LowerDriveLetter(letter) == letter_) return;
    letter_ = platform::LowerDriveLetter(letter);
    Load();
  }

 private:
  // As LoadIndexOfDrive, with the labels the run was given.
  void Load() { store_.Load(volumes_.Label(letter_), index_); }

  const IndexStore& store_;
  platform::Volumes& volumes_;
  LoadedIndex& index_;
  char letter_;
};

// The lookup as the main window runs it: on the drive shown, or on the one
// the text's prefix names.
LookupOutcome SearchOneDrive(const LookupRequest& request, char letter, const IndexStore& store,
                             platform::Volumes& volumes, std::vector<std::string>& results) {
  LoadedIndex index;
  IndexedDrive drive(store, volumes, index, letter);
  if (request.drive != 0) drive.SelectDrive(request.drive);
  return Search(request.text, index, drive.CurrentLetter(), results);
}

// Each drive's pair in turn, in letter order. A pair that two drives share
// (one label) is searched once. Removable drives are left out: asking them
// for their label would spin up a floppy drive or wait for a medium.
LookupOutcome SearchEveryDrive(std::string_view search, const IndexStore& store,
                               platform::Drives& drives, std::vector<std::string>& results) {
  std::vector<std::string> labels_seen;
  bool any_pair = false;
  for (const platform::DriveInfo& drive : drives.List()) {
    if (drive.type == platform::DriveType::kRemovable) continue;
    if (std::find(labels_seen.begin(), labels_seen.end(), drive.label) != labels_seen.end()) {
      continue;
    }
    labels_seen.push_back(drive.label);
    LoadedIndex index;
    store.Load(drive.label, index);
    if (index.no_index) continue;
    any_pair = true;
    const LookupOutcome outcome = Search(search, index, drive.letter, results);
    if (outcome.kind != LookupKind::kCandidates) return outcome;  // the same on every drive
  }
  if (!any_pair) return {LookupKind::kScanFirst, {}};
  return {LookupKind::kCandidates, std::string(search)};
}

int PrintCandidates(const Options& options, std::vector<std::string> candidates,
                    const Console& console) {
  if (options.native) {
    for (std::string& path : candidates) path = platform::NativePath(path);
  }
  if (options.pick) return PrintPicked(candidates, console);
  for (const std::string& path : candidates) console.out << path << '\n';
  return kExitFound;
}

}  // namespace

int Find(const Options& options, const IndexStore& store, const Machine& machine,
         const Console& console) {
  const LookupRequest request = ReadTypedText(options.operands[0]);
  if (request.direct_open) {
    // A shell that changes directory can do nothing with an address.
    if (!options.pick) console.out << request.text << '\n';
    return kExitDirectOpen;
  }
  // A text that names its drive or its place is looked up as on one drive.
  const bool every_drive =
      options.all_drives && request.drive == 0 && !NamesItsOwnPlace(request.text);
  char letter = options.drive.value_or(request.drive);
  if (letter == 0 && !every_drive) letter = machine.drives.CurrentLetter();
  if (letter == 0 && !every_drive) {
    console.err << "vyr-cli: the current directory is on no drive; name one with --drive\n";
    return kExitUsage;
  }
  std::vector<std::string> results;
  const LookupOutcome outcome =
      every_drive ? SearchEveryDrive(request.text, store, machine.drives, results)
                  : SearchOneDrive(request, letter, store, machine.volumes, results);
  switch (outcome.kind) {
    case LookupKind::kScanFirst:
      console.err << texts::kScanFirst << '\n';
      return kExitScanFirst;
    case LookupKind::kNothing:
      return kExitEmpty;
    case LookupKind::kCandidates:
      break;
  }
  if (results.empty()) {
    console.err << outcome.text << texts::kNotFound << '\n';
    return kExitNotFound;
  }
  return PrintCandidates(options, std::move(results), console);
}

}  // namespace vyr::cli
