// Any bytes, read in pieces of any size: the lines found while reading must be
// the lines of the plain split.
#include <cstdint>
#include <string_view>

#include "index/index_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = 1 + data[0] % 97;
  const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);

  vyr::ByteBuffer buffer;
  vyr::LineReader reader;
  for (std::size_t at = 0; at < content.size(); at += piece) {
    buffer.Append(content.substr(at, piece));
    reader.Arrived(buffer.data(), buffer.size());
  }
  const vyr::StringList read = reader.Finish(std::move(buffer));
  const vyr::StringList split = vyr::SplitLines(vyr::ByteBuffer(content));
  if (read.size() != split.size()) __builtin_trap();
  for (std::size_t k = 0; k < read.size(); ++k) {
    if (read[k] != split[k]) __builtin_trap();
  }
  return 0;
}
