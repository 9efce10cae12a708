// A directory tree as listings by path, for the walks.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/directory_lister.h"

namespace vyr::test {

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

}  // namespace vyr::test
