#include "index/index_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fakes/fake_file_system.h"

namespace vyr {
namespace {

using test::FakeFileSystem;

constexpr char kDir[] = "c:\\vyr\\";

class IndexStoreTest : public ::testing::Test {
 protected:
  FakeFileSystem files;
  IndexStore store{files, kDir};
  LoadedIndex index;
};

TEST_F(IndexStoreTest, PairIsNamedAfterTheVolumeLabel) {
  EXPECT_EQ(store.PairPaths("SYSTEM").names_file, "c:\\vyr\\Vyr_SYSTEM.dir");
  EXPECT_EQ(store.PairPaths("SYSTEM").paths_file, "c:\\vyr\\Vyr_SYSTEM.path");
  EXPECT_EQ(store.PairPaths("").names_file, "c:\\vyr\\Vyr_.dir");
  // A label never leads out of the program's folder; ソ keeps its second byte, 0x5C.
  EXPECT_EQ(store.PairPaths("\\..\\..\\x").names_file, "c:\\vyr\\Vyr__.._.._x.dir");
  EXPECT_EQ(store.PairPaths("a/b:c*?\"<>|\t").paths_file, "c:\\vyr\\Vyr_a_b_c_______.path");
  EXPECT_EQ(store.PairPaths("\x83\x5C\x83\x74\x83\x67").names_file,
            "c:\\vyr\\Vyr_\x83\x5C\x83\x74\x83\x67.dir");
}

TEST_F(IndexStoreTest, LoadsBothListsAndTheLabel) {
  files.files["c:\\vyr\\Vyr_D.dir"] = "ABC\r\nABD\n";
  files.files["c:\\vyr\\Vyr_D.path"] = "c:\\x\\abc\rc:\\abd";
  store.Load("D", index);
  ASSERT_EQ(index.names.size(), 2u);
  EXPECT_EQ(index.paths[1], "c:\\abd");
  EXPECT_FALSE(index.no_index);
  EXPECT_EQ(index.volume_label, "D");
}

TEST_F(IndexStoreTest, DamagedOrMissingPairsGiveNoIndex) {
  struct Case {
    const char* what;
    std::optional<std::string> names, paths;
  };
  const Case cases[] = {
      {"no pair", std::nullopt, std::nullopt},
      {"empty pair", "", ""},
      {"paths file missing", "A\r\nB\r\n", std::nullopt},
      {"paths file shorter", "A\r\nB\r\n", "c:\\a\r\n"},
      {"paths file longer", "A\r\n", "c:\\a\r\nc:\\b\r\n"},
      {"names cut by NUL", std::string("A\r\n\0B\r\n", 7), "c:\\a\r\nc:\\b\r\n"},
  };
  for (const Case& c : cases) {
    files.files.clear();
    if (c.names) files.files["c:\\vyr\\Vyr_L.dir"] = *c.names;
    if (c.paths) files.files["c:\\vyr\\Vyr_L.path"] = *c.paths;
    index.names.push_back("OLD");
    index.paths.push_back("c:\\old");
    store.Load("L", index);
    EXPECT_TRUE(index.no_index) << c.what;
    EXPECT_EQ(index.names.size(), 0u) << c.what;
    EXPECT_EQ(index.paths.size(), 0u) << c.what;
  }
}

TEST_F(IndexStoreTest, GarbageLoadsAsLinesWithoutHarm) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 255 + 1);
  files.files["c:\\vyr\\Vyr_G.dir"] = garbage;
  files.files["c:\\vyr\\Vyr_G.path"] = garbage;
  store.Load("G", index);
  EXPECT_EQ(index.names.size(), index.paths.size());
}

TEST_F(IndexStoreTest, SaveWritesEveryEntryWithCrLf) {
  index.volume_label = "W";
  index.names.push_back("A");
  index.paths.push_back("c:\\a");
  EXPECT_TRUE(store.Save(index));
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_W.dir"], "A\r\n");
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_W.path"], "c:\\a\r\n");

  LoadedIndex empty;
  empty.volume_label = "E";
  EXPECT_TRUE(store.Save(empty));
  EXPECT_EQ(files.files.at("c:\\vyr\\Vyr_E.dir"), "");
  EXPECT_EQ(files.files.at("c:\\vyr\\Vyr_E.path"), "");
}

// The paths' lines are found on another thread while they are read: in
// pieces of any size, whether every line ends in CR LF or not.
TEST_F(IndexStoreTest, LoadsWhatWasSavedWhateverPiecesTheFilesArriveIn) {
  LoadedIndex saved;
  saved.volume_label = "P";
  for (int k = 0; k < 3000; ++k) {
    const std::string name = "N" + std::to_string(k % 700);
    saved.names.push_back(name);
    saved.paths.push_back("c:\\" + std::string(static_cast<std::size_t>(k % 97), 'x') + "\\" + name);
  }
  ASSERT_TRUE(store.Save(saved));
  const std::string crlf_paths = files.files["c:\\vyr\\Vyr_P.path"];
  for (const bool only_lf : {false, true}) {
    std::string paths = crlf_paths;
    if (only_lf) paths.erase(std::remove(paths.begin(), paths.end(), '\r'), paths.end());
    files.files["c:\\vyr\\Vyr_P.path"] = paths;
    for (const std::size_t piece : {std::size_t{1}, std::size_t{63}, std::size_t{64}, std::size_t{4096},
                                    platform::kReadPieceSize}) {
      SCOPED_TRACE(testing::Message() << "pieces of " << piece << (only_lf ? ", LF only" : ""));
      files.piece_size = piece;
      store.Load("P", index);
      ASSERT_FALSE(index.no_index);
      ASSERT_EQ(index.paths.size(), saved.paths.size());
      for (std::size_t k = 0; k < saved.paths.size(); ++k) {
        ASSERT_EQ(index.names[k], saved.names[k]) << k;
        ASSERT_EQ(index.paths[k], saved.paths[k]) << k;
      }
    }
  }
}

TEST_F(IndexStoreTest, FailedSaveKeepsThePreviousPair) {
  files.files["c:\\vyr\\Vyr_W.dir"] = "OLD\r\n";
  files.files["c:\\vyr\\Vyr_W.path"] = "c:\\old\r\n";
  files.unwritable.insert("c:\\vyr\\Vyr_W.path");
  index.volume_label = "W";
  index.names.push_back("NEW");
  index.paths.push_back("c:\\new");
  EXPECT_FALSE(store.Save(index));
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_W.dir"], "OLD\r\n");
  EXPECT_EQ(files.files["c:\\vyr\\Vyr_W.path"], "c:\\old\r\n");
}

}  // namespace
}  // namespace vyr
