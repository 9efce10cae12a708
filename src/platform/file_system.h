// Whole-file reading and replacing.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/byte_buffer.h"

namespace vyr::platform {

struct FileWrite {
  std::string path;
  std::string_view content;
};

// Files are read in pieces this large: small enough to stay in the cache
// for an observer's pass, large enough that the calls cost nothing.
inline constexpr std::size_t kReadPieceSize = 256 * 1024;
// A whole-file read leaves this much room past the file's end, so that the
// reader can end an unended last line without moving the whole file.
inline constexpr std::size_t kReadRoomPastEnd = 16;

// Sees a file's bytes piece by piece while they are read, so that a pass
// over them finds each piece still in the cache.
class ReadObserver {
 public:
  virtual ~ReadObserver() = default;
  // content[0 .. end) has been read; earlier calls saw a shorter part of it.
  virtual void Arrived(const char* content, std::size_t end) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads the whole file with other writers denied, telling `observer` (if
  // any) of each piece. On failure `content` keeps what was read before it
  // and false is returned. Two files may be read at once, on two threads.
  virtual bool ReadWholeFile(const std::string& path, ByteBuffer& content,
                             ReadObserver* observer) = 0;

  bool ReadWholeFile(const std::string& path, ByteBuffer& content) {
    return ReadWholeFile(path, content, nullptr);
  }

  // Writes every file completely to a temporary file beside it, and only when
  // all are complete renames them over the old ones, in order: a failure
  // leaves the previous files as they were.
  virtual bool ReplaceFiles(std::span<const FileWrite> files) = 0;
};

FileSystem& RealFileSystem();

}  // namespace vyr::platform
