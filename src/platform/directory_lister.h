// Directory listing with the attribute bits the scanner reads.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vyr::platform {

inline constexpr std::uint32_t kAttributeSystem = 0x04;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeReparsePoint = 0x400;

// Tells two paths to one directory apart from two directories.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  bool operator==(const FileIdentity&) const = default;
};

using EntryVisitor = std::function<void(std::string_view name, std::uint32_t attributes)>;

class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;

  // Lists the directory `path` (ending in "\") with every entry, "." and ".."
  // included where the platform reports them, in the platform's order. False
  // when the listing cannot be started. The system bit is only reported when
  // `want_system_bit` is set, since some platforms pay for it per entry.
  virtual bool List(const std::string& path, bool want_system_bit, const EntryVisitor& visit) = 0;

  // Identity of the directory at `path`, following links; empty when unknown.
  virtual std::optional<FileIdentity> Identity(const std::string& path) = 0;
};

std::unique_ptr<DirectoryLister> MakeDirectoryLister();

}  // namespace vyr::platform
