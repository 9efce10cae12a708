// Another opener holding a file, as a second program would.
#pragma once

#include <cstdint>
#include <string>

namespace vyr::test {

// Keeps every other opener out of the file at `path` (a path in the
// program's form) while it lives: Linux: an exclusive lock; Windows: an open
// handle that shares nothing.
class FileHold {
 public:
  explicit FileHold(const std::string& path);
  ~FileHold();
  FileHold(const FileHold&) = delete;
  FileHold& operator=(const FileHold&) = delete;

  bool held() const { return held_; }

 private:
  std::intptr_t handle_ = -1;  // a descriptor or a HANDLE
  bool held_ = false;
};

}  // namespace vyr::test
