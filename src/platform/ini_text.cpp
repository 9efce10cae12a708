#include "platform/ini_text.h"

#include <vector>

#include "base/sjis.h"
#include "platform/profile.h"

namespace vyr::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// Case-blind for ASCII letters only, and character by character, so that the
// second byte of a double-byte character is never folded.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    const std::size_t length = CharLength(a, pos);
    if (length == 2) {
      if (a.compare(pos, 2, b.substr(pos, 2)) != 0) return false;
    } else {
      auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
      if (fold(a[pos]) != fold(b[pos])) return false;
    }
    pos += length;
  }
  return true;
}

struct Line {
  std::size_t begin;  // offset of the line in the text
  std::size_t end;    // offset of its line end (or the text's end)
  std::size_t next;   // offset of the following line
};

std::vector<Line> SplitIntoLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > pos && text[end - 1] == '\r') --end;
    lines.push_back({pos, end, next});
    pos = next;
  }
  return lines;
}

// The section name of a line "[name]", or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos) return TrimBlanks(line.substr(1));
  return TrimBlanks(line.substr(1, close - 1));
}

// The key name of a line "key=value" (a line without "=" is a key of its own).
std::string_view KeyName(std::string_view line) {
  return TrimBlanks(line.substr(0, line.find('=')));
}

std::string_view RawValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(equals + 1));
}

std::string Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  if (value.size() > kProfileValueLimit) value = value.substr(0, kProfileValueLimit);
  return std::string(value);
}

// Where a section's lines run: the header's index and one past its last key.
struct SectionSpan {
  std::size_t header;
  std::size_t last_key;  // index of the last non-blank line of the section
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view text,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
    if (!name || !SameName(*name, section)) continue;
    SectionSpan span{i, i};
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      const std::string_view line = text.substr(lines[j].begin, lines[j].end - lines[j].begin);
      if (SectionName(line)) break;
      if (!TrimBlanks(line).empty()) span.last_key = j;
    }
    return span;
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, std::string_view text,
                                   const SectionSpan& span, std::string_view key) {
  for (std::size_t j = span.header + 1; j <= span.last_key; ++j) {
    const std::string_view line = text.substr(lines[j].begin, lines[j].end - lines[j].begin);
    if (!TrimBlanks(line).empty() && SameName(KeyName(line), key)) return j;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
  const std::vector<Line> lines = SplitIntoLines(text);
  const std::optional<SectionSpan> span = FindSection(lines, text, section);
  if (!span) return std::nullopt;
  const std::optional<std::size_t> index = FindKey(lines, text, *span, key);
  if (!index) return std::nullopt;
  const Line& line = lines[*index];
  return Unquoted(RawValue(text.substr(line.begin, line.end - line.begin)));
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
  const std::vector<Line> lines = SplitIntoLines(text);
  const std::string entry = std::string(key) + "=" + std::string(value);
  const std::optional<SectionSpan> span = FindSection(lines, text, section);
  std::string result;
  if (!span) {
    result.assign(text);
    if (!result.empty() && result.back() != '\n') result += "\r\n";
    return result + "[" + std::string(section) + "]\r\n" + entry + "\r\n";
  }
  if (const std::optional<std::size_t> index = FindKey(lines, text, *span, key)) {
    const Line& line = lines[*index];
    const std::string_view old_line = text.substr(line.begin, line.end - line.begin);
    // The key keeps the spelling it has in the file.
    const std::string kept_key(KeyName(old_line));
    result.assign(text.substr(0, line.begin));
    result += kept_key + "=" + std::string(value);
    result.append(text.substr(line.end));
    return result;
  }
  const Line& last = lines[span->last_key];
  result.assign(text.substr(0, last.next));
  if (last.next == last.end) result += "\r\n";  // the last line had no line end
  result += entry + "\r\n";
  result.append(text.substr(last.next));
  return result;
}

}  // namespace vyr::platform
