// GO: the typed text looked up, a candidate chosen, a command run on it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "jump/expand_and_run.h"
#include "jump/lookup.h"

namespace vyr {

// The main window's drive box, as GO sees it.
class DriveBox {
 public:
  virtual ~DriveBox() = default;
  // The drive letter shown now, in lower case.
  virtual char CurrentLetter() const = 0;
  // Selects drive `letter`, which reloads the Loaded index when it is another
  // drive than the current one (compared without regard to case).
  virtual void SelectDrive(char letter) = 0;
};

// The Chooser, as GO sees it.
class ChooserView {
 public:
  virtual ~ChooserView() = default;
  // Shows `candidates` modally with the first selected; the position chosen
  // with OK, or nothing for Cancel or no selection.
  virtual std::optional<std::size_t> Choose(const std::vector<std::string>& candidates) = 0;
};

class GoAction {
 public:
  GoAction(const LoadedIndex& index, DriveBox& drives, History& history,
           const SettingsValues& settings, ExpandAndRun& run, ChooserView& chooser, platform::Shell& shell,
           WarningBox& warnings)
      : index_(index), drives_(drives), history_(history), settings_(settings), run_(run),
        chooser_(chooser), shell_(shell), warnings_(warnings) {}

  // `typed` is the main input box's text; `mini_input` the Mini window's,
  // which the command's "%d" and its encoded forms receive.
  void Go(std::string_view typed, std::string_view mini_input);

  // The last lookup's candidates, kept until the next GO.
  const std::vector<std::string>& results() const { return results_; }

 private:
  const LoadedIndex& index_;
  DriveBox& drives_;
  History& history_;
  const SettingsValues& settings_;
  ExpandAndRun& run_;
  ChooserView& chooser_;
  platform::Shell& shell_;
  WarningBox& warnings_;
  std::vector<std::string> results_;
};

}  // namespace vyr
