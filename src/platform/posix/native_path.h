// Windows-style Shift-JIS paths of the core mapped onto the Linux file tree.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vyr::posix {

// The Linux directory for drive `letter` from VYR_DRIVES ("t=/srv/tree;c=/"),
// without a trailing slash; empty when the drive is not mapped.
std::optional<std::string> DriveRoot(char letter);

// True for a path that starts with a drive, "t:".
bool IsDrivePath(std::string_view ansi_path);

// What follows the drive of a drive path, with "/" for each "\" and one "/"
// at its start: "t:\a\b" gives "/a/b". Still Shift-JIS.
std::string SlashedRest(std::string_view ansi_path);

// "t:\a\b\" becomes "<root of t>/a/b/" in UTF-8; any other path is taken as a
// Linux path and only converted to UTF-8. Empty for an unmapped drive.
std::optional<std::string> ToNativePath(std::string_view ansi_path);

}  // namespace vyr::posix
