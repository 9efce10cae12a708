#include "index/index_store.h"

#include <cctype>

#include "index/index_lines.h"
#include "index/index_texts.h"
#include "platform/volumes.h"

namespace vyr {

IndexPairPaths IndexStore::PairPaths(std::string_view volume_label) const {
  std::string base = directory_ + "Vyr_";
  base.append(volume_label);
  return {base + ".dir", base + ".path"};
}

void IndexStore::Load(std::string_view volume_label, LoadedIndex& index) const {
  index.Clear();
  index.volume_label = std::string(volume_label);
  const IndexPairPaths pair = PairPaths(volume_label);
  try {
    std::string content;
    const bool names_read = files_.ReadWholeFile(pair.names_file, content);
    index.names = SplitLines(std::move(content));
    if (names_read) {
      content.clear();
      files_.ReadWholeFile(pair.paths_file, content);
      index.paths = SplitLines(std::move(content));
    }
  } catch (const std::exception&) {
    index.Clear();  // too large for this machine: as good as no pair
  }
  // A pair whose files disagree in length (a paths file missing, cut short or
  // from another scan) cannot say which path belongs to which name: it is
  // treated as no index at all, so that the user is asked to scan again.
  if (index.names.size() != index.paths.size()) index.Clear();
  index.no_index = index.names.empty();
}

void IndexStore::Save(const LoadedIndex& index, char scanned_letter, WarningBox& warnings) const {
  const IndexPairPaths pair = PairPaths(index.volume_label);
  bool saved = false;
  try {
    const std::string names = JoinLines(index.names);
    const std::string paths = JoinLines(index.paths);
    const platform::FileWrite writes[] = {{pair.names_file, names}, {pair.paths_file, paths}};
    saved = files_.ReplaceFiles(writes);
  } catch (const std::bad_alloc&) {
    saved = false;
  }
  if (!saved) warnings.ShowWarning(SaveFailureText(scanned_letter));
}

void LoadIndexOfDrive(char letter, const IndexStore& store, LoadedIndex& index) {
  store.Load(platform::VolumeLabel(letter), index);
}

std::string SaveFailureText(char scanned_letter) {
  std::string text(1, static_cast<char>(std::toupper(static_cast<unsigned char>(scanned_letter))));
  return text + texts::kSaveFailed;
}

}  // namespace vyr
