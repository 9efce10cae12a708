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
  // Room for the whole file, `size` bytes, has been made at `room`, before
  // anything is read into it.
  virtual void Starting(void* /*room*/, std::size_t /*size*/) {}
  // content[0 .. end) has been read; earlier calls saw a shorter part of it,
  // at the same place: room for the whole file is made before the first
  // piece, so that another thread may look at what has arrived.
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
  // before the renames leaves the previous files as they were. Several files
  // are whole only with the last of them: a failure or a kill between the
  // renames leaves the set without it, never old files beside new ones.
  // While another save of the same files is under way, fails at once.
  virtual bool ReplaceFiles(std::span<const FileWrite> files) = 0;

  // What a settings save through a copy needs. A file system that only reads
  // and replaces whole files fails them all and calls every path present.

  // True only when nothing stands at `path`; a path that cannot be looked at
  // for another reason counts as present.
  virtual bool IsMissing(const std::string& /*path*/) { return false; }
  // Makes `to` a copy of the file `from`, over whatever file was there.
  virtual bool CopyWholeFile(const std::string& /*from*/, const std::string& /*to*/) {
    return false;
  }
  // Puts the file `from` in the place of `to` with one rename, once its bytes
  // are on the disk: `to` is then either its old self or all of `from`.
  virtual bool MoveOver(const std::string& /*from*/, const std::string& /*to*/) { return false; }
  // True when no file is left at `path` (a missing one included).
  virtual bool RemoveFile(const std::string& /*path*/) { return false; }
};

FileSystem& RealFileSystem();

}  // namespace vyr::platform
