#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "support/test_tree.h"

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

TEST_F(FileSystemTest, MissingFileCannotBeRead) {
  ByteBuffer content("kept");
  EXPECT_FALSE(files.ReadWholeFile(dir + "missing.dir", content));
}

}  // namespace
}  // namespace vyr
