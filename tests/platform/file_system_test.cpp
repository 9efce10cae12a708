#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <barrier>
#include <filesystem>
#include <thread>
#include <vector>

#include "support/test_tree.h"

#ifdef _WIN32
#include <windows.h>

#include "framework/scoped_handles.h"
#else
#include <sys/stat.h>
#endif

namespace vyr {
namespace {

class FileSystemTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& path) {
    ByteBuffer content;
    return files.ReadWholeFile(path, content) ? std::string(content.view()) : "<unreadable>";
  }
  platform::FileSystem& files = platform::RealFileSystem();
  std::string dir = test::ScratchDirectory();
};

TEST_F(FileSystemTest, ReplacedFilesReadBackByteForByte) {
  std::string binary("a\r\nb\0c\xFF", 7);
  const platform::FileWrite writes[] = {{dir + "one.dir", binary}, {dir + "one.path", ""}};
  ASSERT_TRUE(files.ReplaceFiles(writes));
  EXPECT_EQ(Read(dir + "one.dir"), binary);
  EXPECT_EQ(Read(dir + "one.path"), "");
  EXPECT_EQ(Read(dir + "one.dir.tmp"), "<unreadable>");
}

TEST_F(FileSystemTest, FailedReplaceLeavesEveryOldFileAsItWas) {
  const platform::FileWrite old_pair[] = {{dir + "two.dir", "OLD"}, {dir + "two.path", "old"}};
  ASSERT_TRUE(files.ReplaceFiles(old_pair));
  const platform::FileWrite broken[] = {{dir + "two.dir", "NEW"},
                                        {dir + "no such folder" + dir.back() + "two.path", "new"}};
  EXPECT_FALSE(files.ReplaceFiles(broken));
  EXPECT_EQ(Read(dir + "two.dir"), "OLD");
  EXPECT_EQ(Read(dir + "two.path"), "old");
  EXPECT_EQ(Read(dir + "two.dir.tmp"), "<unreadable>");
}

// The renames cannot all be done: the old files stay, or the set goes
// without its last file, and a new first file never stands beside an old
// last one.
TEST_F(FileSystemTest, FailedRenameNeverLeavesNewFilesBesideOld) {
  std::filesystem::create_directory(dir + "three.path");  // no file can take its place
  const platform::FileWrite old_names[] = {{dir + "three.dir", "OLD"}};
  ASSERT_TRUE(files.ReplaceFiles(old_names));
  const platform::FileWrite pair[] = {{dir + "three.dir", "NEW"}, {dir + "three.path", "new"}};
  EXPECT_FALSE(files.ReplaceFiles(pair));
  EXPECT_EQ(Read(dir + "three.dir"), "OLD");
  EXPECT_EQ(Read(dir + "three.dir.tmp"), "<unreadable>");
  EXPECT_EQ(Read(dir + "three.path.tmp"), "<unreadable>");

#ifdef _WIN32
  // A reader holds the last file, which keeps it from being replaced.
  const platform::FileWrite old_pair[] = {{dir + "four.dir", "OLD"}, {dir + "four.path", "old"}};
  ASSERT_TRUE(files.ReplaceFiles(old_pair));
  {
    const framework::ScopedFile reader(CreateFileA((dir + "four.path").c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader.valid());
    const platform::FileWrite new_pair[] = {{dir + "four.dir", "NEW"}, {dir + "four.path", "new"}};
    EXPECT_FALSE(files.ReplaceFiles(new_pair));
  }
  EXPECT_EQ(Read(dir + "four.dir"), "OLD");
  EXPECT_EQ(Read(dir + "four.path"), "old");
#endif
}

// Two saves of one pair at once, round after round: one of them writes it,
// whole, or each in turn; the pair is never half of one and half of the
// other.
TEST_F(FileSystemTest, SavesAtOnceLeaveOneWholePair) {
  const std::string names = dir + "five.dir";
  const std::string paths = dir + "five.path";
  constexpr int kRounds = 100;
  std::vector<std::string> pairs_left(kRounds);
  std::barrier round_end(2, [&, round = 0]() mutable {
    pairs_left[static_cast<std::size_t>(round++)] = Read(names) + Read(paths);
  });
  auto save_each_round = [&](const std::string& name, const std::string& path) {
    const platform::FileWrite pair[] = {{names, name}, {paths, path}};
    for (int round = 0; round < kRounds; ++round) {
      files.ReplaceFiles(pair);
      round_end.arrive_and_wait();
    }
  };
  {
    std::jthread a(save_each_round, "A", "a");
    std::jthread b(save_each_round, "B", "b");
  }
  for (const std::string& pair : pairs_left) {
    EXPECT_TRUE(pair == "Aa" || pair == "Bb") << pair;
  }
  EXPECT_EQ(Read(names + ".lock"), "<unreadable>");
}

TEST_F(FileSystemTest, MissingFileCannotBeRead) {
  ByteBuffer content("kept");
  EXPECT_FALSE(files.ReadWholeFile(dir + "missing.dir", content));
}

#ifndef _WIN32
// A pipe where a file should be is no file, and keeps nobody waiting.
TEST_F(FileSystemTest, PipeIsNotRead) {
  const std::string pipe = dir + "pipe.dir";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  ByteBuffer content;
  EXPECT_FALSE(files.ReadWholeFile(pipe, content));
}
#endif

}  // namespace
}  // namespace vyr
