#include "index/walk_rules.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/sjis.h"
#include "platform/upper_case.h"

namespace vyr {
namespace {

bool IsWalkedChild(std::string_view name, std::uint32_t attributes, const WalkOptions& options) {
  if ((attributes & platform::kAttributeDirectory) == 0) return false;
  if (options.skip_system_directories && (attributes & platform::kAttributeSystem) != 0) {
    return false;
  }
  return name != "." && name != "..";
}

}  // namespace

void ListWalkedChildren(platform::DirectoryLister& lister, const std::string& path,
                        const WalkOptions& options, std::vector<WalkedChild>& children) {
  lister.List(path, options.skip_system_directories,
              [&](std::string_view name, std::uint32_t attributes) {
                if (!IsWalkedChild(name, attributes, options)) return;
                // Upper-cased here, on whichever thread lists.
                children.push_back({std::string(name), UpperCase(name),
                                    (attributes & platform::kAttributeReparsePoint) != 0});
              });
}

bool LeadsBackUp(const std::string& path, platform::DirectoryLister& lister) {
  const std::optional<platform::FileIdentity> target = lister.Identity(path);
  if (!target) return false;
  // The holders are the path up to each of its "\" characters, "\" included.
  for (std::size_t slash = FindChar(path, '\\'); slash != kNotFound;
       slash = FindChar(path, '\\', slash + 1)) {
    if (lister.Identity(path.substr(0, slash + 1)) == target) return true;
  }
  return false;
}

}  // namespace vyr
