#include "jump/fragment_filter.h"

#include "base/sjis.h"

namespace vyr {
namespace {

char FoldAsciiLetter(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Where an upper-cased path holds such a character, the path itself held it,
// or held the lower case of an ASCII letter.
bool IsAnchorCharacter(std::string_view character) {
  return static_cast<unsigned char>(character[0]) < 0x80 || IsUpperCaseOfItselfOnly(character);
}

bool HoldsFolded(std::string_view path, std::string_view anchor) {
  if (anchor.size() > path.size()) return false;
  for (std::size_t at = 0; at + anchor.size() <= path.size(); ++at) {
    std::size_t k = 0;
    while (k < anchor.size() && FoldAsciiLetter(path[at + k]) == FoldAsciiLetter(anchor[k])) ++k;
    if (k == anchor.size()) return true;
  }
  return false;
}

}  // namespace

FragmentFilter::FragmentFilter(std::string_view fragment) {
  std::string_view best;
  std::size_t run_start = 0;
  for (std::size_t pos = 0; pos <= fragment.size();) {
    const std::size_t length = pos < fragment.size() ? CharLength(fragment, pos) : 0;
    if (pos == fragment.size() || !IsAnchorCharacter(fragment.substr(pos, length))) {
      if (pos - run_start > best.size()) best = fragment.substr(run_start, pos - run_start);
      if (pos == fragment.size()) break;
      run_start = pos + length;
    }
    pos += length;
  }
  anchor_ = std::string(best);
  for (char c : anchor_)
    anchor_has_letters_ = anchor_has_letters_ || FoldAsciiLetter(c) != c || (c >= 'A' && c <= 'Z');
}

bool FragmentFilter::MayHold(std::string_view path) const {
  if (!anchor_has_letters_) return path.find(anchor_) != std::string_view::npos;
  return HoldsFolded(path, anchor_);
}

}  // namespace vyr
