// Files in memory, read in pieces as the platform reads them.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace vyr::test {

// Files in memory; paths named in `unreadable` or `unwritable` fail.
class FakeFileSystem final : public platform::FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;
  std::set<std::string> unwritable;

  std::size_t piece_size = platform::kReadPieceSize;  // what each read hands over

  bool ReadWholeFile(const std::string& path, ByteBuffer& content,
                     platform::ReadObserver* observer) override {
    const auto it = files.find(path);
    if (it == files.end() || unreadable.count(path)) return false;
    content.Clear();
    content.Reserve(it->second.size() + platform::kReadRoomPastEnd);  // as the platform does
    if (observer) observer->Starting(content.data(), it->second.size());
    for (std::size_t at = 0; at < it->second.size(); at += piece_size) {
      content.Append(std::string_view(it->second).substr(at, piece_size));
      if (observer) observer->Arrived(content.data(), content.size());
    }
    return true;
  }

  bool ReplaceFiles(std::span<const platform::FileWrite> writes) override {
    for (const auto& write : writes) {
      if (unwritable.count(write.path)) return false;
    }
    for (const auto& write : writes) files[write.path] = std::string(write.content);
    return true;
  }
};

}  // namespace vyr::test
