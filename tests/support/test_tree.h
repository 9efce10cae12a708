// A fresh directory tree for one test, reachable as the root of a drive.
#pragma once

#include <string>
#include <string_view>

namespace vyr::test {

class TestTree {
 public:
  // Linux: a new temporary directory mapped to the drive through VYR_DRIVES.
  // Windows (under the test wrapper only): drive t:, emptied first.
  TestTree();
  ~TestTree();
  TestTree(const TestTree&) = delete;
  TestTree& operator=(const TestTree&) = delete;

  char drive() const { return drive_; }
  // The drive's root in the program's form, "t:\".
  std::string Root() const { return std::string{drive_, ':', '\\'}; }

  // A path below the root as this machine names it, Shift-JIS: Linux, the
  // directory with "/"; Windows, "t:\" and the path.
  std::string MachinePath(std::string_view relative) const;

  // `relative` is a Shift-JIS path below the root, components split by "\".
  void MakeDirectory(std::string_view relative);
  void MakeFile(std::string_view relative, std::string_view content = {});
  // Gives a directory the system attribute; false where the tree cannot keep
  // it (a file system without extended attributes).
  bool MarkSystem(std::string_view relative);
  // A link at `relative` to the directory `target` (both below the root);
  // false where links cannot be made.
  bool MakeDirectoryLink(std::string_view relative, std::string_view target);
  void SetLabel(std::string_view label);

 private:
  char drive_;
  std::string native_root_;
};

// A scratch directory for files (not on the test drive), with its separator.
std::string ScratchDirectory();

}  // namespace vyr::test
