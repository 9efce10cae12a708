#include "jump/fragment_filter.h"

#include <algorithm>

#include "base/sjis.h"
#include "platform/upper_case.h"

namespace vyr {
namespace {

char FoldAsciiLetter(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsAsciiLetterByte(char c) {
  return FoldAsciiLetter(c) >= 'A' && FoldAsciiLetter(c) <= 'Z';
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
  std::string_view longest;
  std::size_t run_start = 0;
  auto end_run = [&](std::size_t end) {
    if (end - run_start > longest.size()) longest = fragment.substr(run_start, end - run_start);
  };
  for (std::size_t pos = 0; pos < fragment.size();) {
    const std::size_t length = CharLength(fragment, pos);
    if (!IsAnchorCharacter(fragment.substr(pos, length))) {
      end_run(pos);
      run_start = pos + length;
    }
    pos += length;
  }
  end_run(fragment.size());
  anchor_ = std::string(longest);
  anchor_has_letters_ = std::any_of(anchor_.begin(), anchor_.end(), IsAsciiLetterByte);
}

bool FragmentFilter::MayHold(std::string_view path) const {
  if (!anchor_has_letters_) return path.find(anchor_) != std::string_view::npos;
  return HoldsFolded(path, anchor_);
}

}  // namespace vyr
