#include "desktop/drops.h"

#include "base/sjis.h"

namespace vyr {

std::string DroppedDirectoryText(std::string_view path) {
  const std::size_t backslash = FindLastChar(path, '\\');
  // A colon is never the second byte of a double-byte character.
  const std::size_t colon = path.rfind(':');
  std::size_t cut = kNotFound;
  if (backslash != kNotFound) cut = backslash;
  if (colon != kNotFound && (cut == kNotFound || colon > cut)) cut = colon;
  const std::string_view kept = cut == kNotFound ? std::string_view() : path.substr(0, cut + 1);
  return std::string(kept) + "..";
}

void Drops::OnMainWindowDrop(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  run_.Run(DroppedDirectoryText(paths.front()), "");
}

void Drops::OnMiniWindowDrop(const std::vector<std::string>& paths) {
  mini_.Hide();
  OnMainWindowDrop(paths);
}

}  // namespace vyr
