#include "jump/completion.h"

#include "base/sjis.h"

namespace vyr {
namespace {

bool IsOneCharacter(std::string_view typed) {
  if (typed.empty()) return false;
  // A lead byte alone is half a character: completing on it would match
  // entries by a byte that means nothing yet.
  return typed.size() == CharLength(typed, 0) &&
         !(typed.size() == 1 && IsLeadByte(static_cast<unsigned char>(typed[0])));
}

bool NeverCompletes(char c) {
  return c == '\x08' || c == '\x09' || c == '\x1B';
}

// The start of the character that holds `pos`, or the end of the text.
std::size_t CharacterStart(std::string_view text, std::size_t pos) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t next = start + CharLength(text, start);
    if (next > pos) return start;
    start = next;
  }
  return text.size();
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) ++count;
  return count;
}

// What follows the first `count` characters of `text`. The search matched
// character for character, without regard to case, so the entry's matched
// part may take other bytes than the typed text: the rest starts after the
// same number of characters, not bytes.
std::optional<std::string_view> AfterCharacters(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (; count > 0 && pos < text.size(); --count) pos += CharLength(text, pos);
  if (count > 0 || pos > text.size()) return std::nullopt;
  return text.substr(pos);
}

}  // namespace

std::optional<Completed> Complete(std::string_view text, std::size_t selection_start,
                                  std::size_t selection_length, std::string_view typed,
                                  const FindInList& find) {
  if (!IsOneCharacter(typed) || NeverCompletes(typed[0])) return std::nullopt;

  // The selected text is what the key replaces; without a selection the key
  // goes to the end.
  std::string candidate(selection_length > 0 ? text.substr(0, CharacterStart(text, selection_start))
                                             : text);
  candidate.append(typed);

  const std::optional<ListEntry> found = find(candidate);
  if (!found) return std::nullopt;
  const auto rest = AfterCharacters(found->text, CharacterCount(candidate));
  if (!rest) return std::nullopt;
  Completed completed;
  completed.text = candidate + std::string(*rest);
  completed.selection_start = candidate.size();
  completed.selection_length = rest->size();
  completed.entry = found->position;
  return completed;
}

}  // namespace vyr
