#include "index/walk_rules.h"

#include <optional>

#include "base/sjis.h"

namespace vyr {

bool IsWalkedChild(std::string_view name, std::uint32_t attributes, const WalkOptions& options) {
  if ((attributes & platform::kAttributeDirectory) == 0) return false;
  if (options.skip_system_directories && (attributes & platform::kAttributeSystem) != 0) {
    return false;
  }
  return name != "." && name != "..";
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
