// The index file pairs in the program's directory, and moving an index
// between them and memory.
#pragma once

#include <string>
#include <string_view>

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

  // Writes the pair of the index's volume label. False when it could not be
  // written whole; the previous pair is then as it was.
  bool Save(const LoadedIndex& index) const;

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

// What the user is told when the pair of a scan of drive `scanned_letter`
// could not be saved: the letter in upper case, then the message.
std::string SaveFailureText(char scanned_letter);

}  // namespace vyr
