// The index file pairs in the program's directory, and moving an index
// between them and memory.
#pragma once

#include <string>
#include <string_view>

#include "ui/warning_box.h"
#include "index/loaded_index.h"
#include "platform/file_system.h"

namespace vyr {

struct IndexPairPaths {
  std::string names_file;
  std::string paths_file;
};

class IndexStore {
 public:
  // `directory` ends with its separator, as the program's directory does.
  IndexStore(platform::FileSystem& files, std::string directory)
      : files_(files), directory_(std::move(directory)) {}

  IndexPairPaths PairPaths(std::string_view volume_label) const;

  // Fills `index` from the pair of `volume_label`. Failures are swallowed:
  // a missing pair leaves the index empty with the no-index flag set.
  void Load(std::string_view volume_label, LoadedIndex& index) const;

  // Writes the pair of the index's volume label; on failure tells the user,
  // naming the scanned drive, and leaves the previous pair as it was.
  void Save(const LoadedIndex& index, char scanned_letter, WarningBox& warnings) const;

 private:
  // False unless both files could be read whole.
  bool ReadBothFiles(const IndexPairPaths& pair, LoadedIndex& index) const;
  // False when the file could not be read whole; `lines` then holds what was.
  bool ReadLines(const std::string& path, StringList& lines) const;

  platform::FileSystem& files_;
  std::string directory_;
};

// Loads the pair of the volume in drive `letter`, as a change of drive does.
void LoadIndexOfDrive(char letter, const IndexStore& store, LoadedIndex& index);

// The save failure text: the drive letter in upper case, then the message.
std::string SaveFailureText(char scanned_letter);

}  // namespace vyr
