// The profile (INI) file functions: every read and write goes to the file.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vyr::platform {

// The longest value a read returns: the rest of a longer one is cut off.
inline constexpr std::size_t kProfileValueLimit = 2047;

class Profile {
 public:
  virtual ~Profile() = default;

  // The value of `key` in `section`, without blanks around it and without one
  // pair of matching quotes around it; `fallback` when the file, the section
  // or the key is missing. Names match without regard to case.
  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) = 0;

  // Replaces the value of an existing key in place, adds a new key at the end
  // of its section and a new section at the end of the file; false on failure.
  virtual bool WriteString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;

  // Sees that every write so far has reached the file itself: a platform that
  // keeps profile files in a cache may write them out late.
  virtual void Flush() {}
};

// The profile file at `path` (Windows: GetPrivateProfileStringA and
// WritePrivateProfileStringA; Linux: our own file rules).
std::unique_ptr<Profile> OpenProfile(std::string path);

// The file that the profile functions read and write for `path`, for file
// operations that must meet the same file (Windows looks for a bare name in
// its own directory).
std::string ProfileFilePath(const std::string& path);

}  // namespace vyr::platform
