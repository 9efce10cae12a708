// Whole-file reading and replacing.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vyr::platform {

struct FileWrite {
  std::string path;
  std::string_view content;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads the whole file with other writers denied. On failure `content`
  // keeps what was read before it and false is returned.
  virtual bool ReadWholeFile(const std::string& path, std::string& content) = 0;

  // Writes every file completely to a temporary file beside it, and only when
  // all are complete renames them over the old ones, in order: a failure
  // leaves the previous files as they were.
  virtual bool ReplaceFiles(std::span<const FileWrite> files) = 0;
};

FileSystem& RealFileSystem();

}  // namespace vyr::platform
