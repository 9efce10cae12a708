// Byte strings as hexadecimal text, for test tables and failure messages.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vyr::test {

// "8ECA905E", or with `separator` after every byte ("8E CA 90 5E ").
inline std::string Hex(std::string_view bytes, std::string_view separator = {}) {
  std::string hex;
  char byte[3];
  for (char c : bytes) {
    std::snprintf(byte, sizeof byte, "%02X", static_cast<unsigned char>(c));
    hex += byte;
    hex += separator;
  }
  return hex;
}

// The bytes of a text of hexadecimal pairs ("8ECA" gives 0x8E 0xCA).
inline std::string Unhex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

}  // namespace vyr::test
