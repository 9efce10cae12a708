#include "index/index_store.h"

#include <cctype>
#include <exception>
#include <new>
#include <system_error>
#include <thread>

#include "base/sjis.h"
#include "index/index_lines.h"
#include "index/index_texts.h"
#include "platform/volumes.h"

namespace vyr {

namespace {

// The label as part of a file name beside the program: a character that
// would lead elsewhere or name no file (a drive's label is the drive's to
// say) stands as "_". The second byte of a double-byte character is its own.
std::string LabelInFileName(std::string_view label) {
  constexpr std::string_view kNotInFileNames = "\\/:*?\"<>|";
  std::string name(label);
  for (std::size_t at = 0; at < name.size(); at += CharLength(name, at)) {
    const auto byte = static_cast<unsigned char>(name[at]);
    if (byte < 0x20 || kNotInFileNames.find(name[at]) != std::string_view::npos) name[at] = '_';
  }
  return name;
}

}  // namespace

IndexPairPaths IndexStore::PairPaths(std::string_view volume_label) const {
  std::string base = directory_ + "Vyr_";
  base.append(LabelInFileName(volume_label));
  return {base + ".dir", base + ".path"};
}

void IndexStore::Load(std::string_view volume_label, LoadedIndex& index) const {
  index.Clear();
  index.volume_label = std::string(volume_label);
  const IndexPairPaths pair = PairPaths(volume_label);
  try {
    if (!ReadBothFiles(pair, index)) index.Clear();
  } catch (const std::exception&) {
    index.Clear();  // too large for this machine: as good as no pair
  }
  // A pair whose files disagree in length (a paths file missing, cut short or
  // from another scan) cannot say which path belongs to which name: it is
  // treated as no index at all, so that the user is asked to scan again.
  if (index.names.size() != index.paths.size()) index.Clear();
  index.no_index = index.names.empty();
}

bool IndexStore::ReadBothFiles(const IndexPairPaths& pair, LoadedIndex& index) const {
  // The paths, nearly all of the pair's bytes, are read on this core; a
  // second one reads the names, then finds the lines of the paths as they
  // arrive, so that both have about as much to do.
  FollowingLineReader path_lines;
  bool names_read = false;
  std::exception_ptr names_failure;
  auto read_names = [&](bool follow_paths) {
    try {
      names_read = ReadLines(pair.names_file, index.names);
      // A pair's two files hold as many lines.
      if (follow_paths) path_lines.Follow(index.names.size());
    } catch (...) {
      names_failure = std::current_exception();
    }
  };
  bool paths_read = false;
  {
    std::jthread names_reader;
    try {
      names_reader = std::jthread(read_names, true);
    } catch (const std::system_error&) {
      read_names(false);  // no second thread to be had: one after the other
      paths_read = ReadLines(pair.paths_file, index.paths);
    }
    if (names_reader.joinable()) {
      ByteBuffer content;
      {
        // However the read ends, the other thread stops following it.
        struct EndsRead {
          FollowingLineReader& lines;
          ~EndsRead() { lines.ReadEnded(); }
        } ends_read{path_lines};
        paths_read = files_.ReadWholeFile(pair.paths_file, content, &path_lines);
      }
      names_reader.join();
      index.paths = path_lines.Finish(std::move(content));
    }
  }
  if (names_failure) std::rethrow_exception(names_failure);
  return names_read && paths_read;
}

bool IndexStore::ReadLines(const std::string& path, StringList& lines) const {
  ByteBuffer content;
  LineReader reader;
  const bool read = files_.ReadWholeFile(path, content, &reader);
  lines = reader.Finish(std::move(content));
  return read;
}

bool IndexStore::Save(const LoadedIndex& index) const {
  const IndexPairPaths pair = PairPaths(index.volume_label);
  try {
    std::string joined_names;
    std::string joined_paths;
    const platform::FileWrite writes[] = {{pair.names_file, FileText(index.names, joined_names)},
                                          {pair.paths_file, FileText(index.paths, joined_paths)}};
    return files_.ReplaceFiles(writes);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void LoadIndexOfDrive(char letter, const IndexStore& store, LoadedIndex& index) {
  store.Load(platform::VolumeLabel(letter), index);
}

std::string SaveFailureText(char scanned_letter) {
  std::string text(1, static_cast<char>(std::toupper(static_cast<unsigned char>(scanned_letter))));
  return text + texts::kSaveFailed;
}

}  // namespace vyr
