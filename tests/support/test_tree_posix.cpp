#include <stdlib.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "base/sjis.h"
#include "platform/posix/cp932.h"
#include "support/test_tree.h"

namespace vyr::test {
namespace {

std::string MakeTemporaryDirectory() {
  std::string pattern = std::filesystem::temp_directory_path().string() + "/vyr-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

std::string NativeRelative(std::string_view relative) {
  std::string path(relative);
  for (std::size_t pos = 0; pos < path.size(); pos += CharLength(path, pos)) {
    if (path[pos] == '\\') path[pos] = '/';
  }
  return posix::AnsiToUtf8(path);
}

}  // namespace

TestTree::TestTree() : drive_('v'), native_root_(MakeTemporaryDirectory()) {
  setenv("VYR_DRIVES", ("v=" + native_root_).c_str(), 1);
}

TestTree::~TestTree() {
  std::error_code ignored;
  std::filesystem::remove_all(native_root_, ignored);
}

std::string TestTree::MachinePath(std::string_view relative) const {
  return posix::Utf8ToAnsi(native_root_ + "/" + NativeRelative(relative));
}

void TestTree::MakeDirectory(std::string_view relative) {
  std::filesystem::create_directories(native_root_ + "/" + NativeRelative(relative));
}

void TestTree::MakeFile(std::string_view relative, std::string_view content) {
  std::ofstream(native_root_ + "/" + NativeRelative(relative), std::ios::binary) << content;
}

bool TestTree::MarkSystem(std::string_view relative) {
  const std::string path = native_root_ + "/" + NativeRelative(relative);
  return setxattr(path.c_str(), "user.DOSATTRIB", "0x14", 4, 0) == 0;
}

bool TestTree::MakeDirectoryLink(std::string_view relative, std::string_view target) {
  const std::string link = native_root_ + "/" + NativeRelative(relative);
  const std::string to = native_root_ + "/" + NativeRelative(target);
  return symlink(to.c_str(), link.c_str()) == 0;
}

void TestTree::SetLabel(std::string_view label) {
  std::ofstream(native_root_ + "/.windows-label", std::ios::binary) << posix::AnsiToUtf8(label)
                                                                    << '\n';
}

std::string ScratchDirectory() {
  static const std::string directory = MakeTemporaryDirectory() + "/";
  return posix::Utf8ToAnsi(directory);
}

}  // namespace vyr::test

#include "support/round_trip.h"

namespace vyr::test {

bool SurvivesCodePageRoundTrip(const std::string& character) {
  const long code_point = posix::AnsiCharToCodePoint(character);
  return code_point >= 0 && posix::CodePointToAnsi(code_point) == character;
}

}  // namespace vyr::test
