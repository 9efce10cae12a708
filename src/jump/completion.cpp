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

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The platform's list search compares ASCII letters without regard to case;
// double-byte characters we take whole and compare exactly, so a second byte
// that looks like a letter is never folded.
bool BeginsWith(std::string_view entry, std::string_view prefix) {
  if (entry.size() < prefix.size()) return false;
  for (std::size_t pos = 0; pos < prefix.size();) {
    const std::size_t length = CharLength(prefix, pos);
    if (length == 2) {
      if (entry.compare(pos, 2, prefix.substr(pos, 2)) != 0) return false;
    } else if (LowerAscii(entry[pos]) != LowerAscii(prefix[pos])) {
      return false;
    }
    pos += length;
  }
  return true;
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

}  // namespace

std::optional<Completed> Complete(std::string_view text, std::size_t selection_start,
                                  std::size_t selection_length, std::string_view typed,
                                  const std::vector<std::string>& entries) {
  if (!IsOneCharacter(typed) || NeverCompletes(typed[0])) return std::nullopt;

  // The selected text is what the key replaces; without a selection the key
  // goes to the end.
  std::string candidate(selection_length > 0 ? text.substr(0, CharacterStart(text, selection_start))
                                             : text);
  candidate.append(typed);

  for (std::size_t k = 0; k < entries.size(); ++k) {
    const std::string& entry = entries[k];
    if (!BeginsWith(entry, candidate)) continue;
    Completed completed;
    completed.text = candidate + entry.substr(candidate.size());
    completed.selection_start = candidate.size();
    completed.selection_length = entry.size() - candidate.size();
    completed.entry = k;
    return completed;
  }
  return std::nullopt;
}

}  // namespace vyr
