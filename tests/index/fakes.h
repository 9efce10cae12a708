// Recording fakes for the index subsystem's seams.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "index/directory_walk.h"
#include "index/index_store.h"
#include "index/scan_view.h"
#include "platform/directory_lister.h"
#include "platform/file_system.h"
#include "ui/warning_box.h"

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

struct FakeEntry {
  std::string name;
  std::uint32_t attributes;
};

inline FakeEntry Dir(std::string name, std::uint32_t extra = 0) {
  return {std::move(name), platform::kAttributeDirectory | extra};
}
inline FakeEntry File(std::string name) { return {std::move(name), 0x20}; }

// A tree as listings by path; paths without a listing cannot be listed.
class FakeLister final : public platform::DirectoryLister {
 public:
  std::map<std::string, std::vector<FakeEntry>> listings;
  std::map<std::string, platform::FileIdentity> identities;
  std::vector<std::string> listed;  // every List call, in order

  bool List(const std::string& path, bool, const platform::EntryVisitor& visit) override {
    listed.push_back(path);
    const auto it = listings.find(path);
    if (it == listings.end()) return false;
    for (const FakeEntry& entry : it->second) visit(entry.name, entry.attributes);
    return true;
  }

  std::optional<platform::FileIdentity> Identity(const std::string& path) override {
    std::string key = path;
    if (key.size() > 3 && key.back() == '\\') key.pop_back();
    const auto it = identities.find(key);
    if (it == identities.end()) return std::nullopt;
    return it->second;
  }
};

// Every directory the walk said it entered, with the counter then.
class RecordingProgress final : public WalkProgress {
 public:
  std::vector<std::pair<std::string, int>> entered;
  void EnterDirectory(std::string_view path, int found) override {
    entered.emplace_back(std::string(path), found);
  }
};

class RecordingWarnings final : public WarningBox {
 public:
  std::vector<std::string> shown;
  void ShowWarning(std::string_view text) override { shown.emplace_back(text); }
};

// Records every call as a line of text, in order.
class RecordingScanView final : public ScanView {
 public:
  std::vector<std::string> calls;
  void SetDriveLetter(char letter) override { calls.push_back(std::string("letter ") + letter); }
  void SetBarRange(int maximum, bool visible) override {
    calls.push_back("range " + std::to_string(maximum) + (visible ? " shown" : " hidden"));
  }
  void SetBarPosition(int position) override {
    calls.push_back("position " + std::to_string(position));
  }
  void SetPathText(std::string_view text) override { calls.push_back("path " + std::string(text)); }
  void SetCountText(std::string_view text) override {
    calls.push_back("count " + std::string(text));
  }
  void Show() override { calls.push_back("show"); }
  void Hide() override { calls.push_back("hide"); }
  void Repaint() override { calls.push_back("repaint"); }
  void ShowProgress() override { calls.push_back("progress"); }
  void SetBusyCursor(bool busy) override { calls.push_back(busy ? "busy" : "idle"); }
};

}  // namespace vyr::test
