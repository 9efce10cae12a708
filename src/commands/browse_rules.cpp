#include "commands/browse_rules.h"

#include "base/sjis.h"

namespace vyr {

int BrowseFilterChoice(BrowseFor target) { return target == BrowseFor::kProgram ? 1 : 2; }

std::string DirectoryPart(std::string_view path) {
  const std::size_t backslash = FindLastChar(path, '\\');
  if (backslash == kNotFound) return {};
  return std::string(path.substr(0, backslash + 1));
}

void TakeBrowsedFile(BrowseFor target, std::string_view file, CommandEntry& texts) {
  switch (target) {
    case BrowseFor::kProgram:
      texts.program = file;
      texts.directory = DirectoryPart(file);
      return;
    case BrowseFor::kParameters:
      texts.parameters += file;
      return;
    case BrowseFor::kDirectory:
      texts.directory = DirectoryPart(file);
      return;
  }
}

}  // namespace vyr
