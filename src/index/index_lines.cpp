#include "index/index_lines.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace vyr {

StringList SplitLines(std::string&& content) {
  if (const void* nul = std::memchr(content.data(), '\0', content.size())) {
    content.resize(static_cast<const char*>(nul) - content.data());
  }
  if (content.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("index file over 4 GiB");
  }
  std::vector<std::uint32_t> offsets;
  offsets.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 2);
  offsets.push_back(0);

  // Lines are moved down over the line ends as they are found, so the file's
  // own buffer becomes the list's buffer.
  char* const data = content.data();
  const std::size_t size = content.size();
  std::size_t read = 0;
  std::size_t write = 0;
  while (read < size) {
    const char* lf = static_cast<const char*>(std::memchr(data + read, '\n', size - read));
    std::size_t end = lf ? static_cast<std::size_t>(lf - data) : size;
    if (const void* cr = std::memchr(data + read, '\r', end - read)) {
      end = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
    }
    const std::size_t length = end - read;
    if (write != read) std::memmove(data + write, data + read, length);
    write += length;
    offsets.push_back(static_cast<std::uint32_t>(write));
    read = end;
    if (read < size && data[read] == '\r') ++read;
    if (read < size && data[read] == '\n') ++read;
  }
  content.resize(write);
  StringList lines;
  lines.Adopt(std::move(content), std::move(offsets));
  return lines;
}

std::string JoinLines(const StringList& lines) {
  std::string text;
  text.reserve(lines.bytes().size() + 2 * lines.size());
  for (std::size_t k = 0; k < lines.size(); ++k) {
    text.append(lines[k]);
    text.append("\r\n");
  }
  return text;
}

}  // namespace vyr
