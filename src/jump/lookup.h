// Turning typed text into candidate directories.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "index/loaded_index.h"

namespace vyr {

// The main window's drive box, as the lookup sees it.
class DriveBox {
 public:
  virtual ~DriveBox() = default;
  // The drive letter shown now, in lower case.
  virtual char CurrentLetter() const = 0;
  // Selects drive `letter`, which reloads the Loaded index when it is another
  // drive than the current one (compared without regard to case).
  virtual void SelectDrive(char letter) = 0;
};

enum class LookupKind {
  kDirectOpen,  // text: the typed text trimmed, in its typed case
  kScanFirst,   // no index is loaded
  kNothing,     // the search text is empty
  kCandidates,  // text: the final search text; the paths were appended
};

struct LookupOutcome {
  LookupKind kind;
  std::string text;
};

// Looks `typed` up in `index`, which belongs to the drive that `drives`
// shows; may switch that drive first. Appends candidate paths to `results`.
LookupOutcome Lookup(std::string_view typed, const LoadedIndex& index, DriveBox& drives,
                     std::vector<std::string>& results);

// Every path whose upper-cased form holds `fragment` such that no "\"
// follows its first occurrence, in list order.
void FindPathFragment(std::string_view fragment, const StringList& paths,
                      std::vector<std::string>& results);

// The paths of every name that begins with `prefix`, in name order, found by
// bisection over the sorted names.
void FindNamePrefix(std::string_view prefix, const LoadedIndex& index,
                    std::vector<std::string>& results);

}  // namespace vyr
