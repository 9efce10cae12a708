#include "jump/url_form.h"

namespace vyr {
namespace {

// Narrower than the Shift-JIS lead bytes: after 0x85-0x87 or 0xEB-0xFC the
// next byte is encoded on its own, so a second byte 0x40 stays "@".
bool IsUrlLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x84) || (byte >= 0x88 && byte <= 0x9F) ||
         (byte >= 0xE0 && byte <= 0xEA);
}

bool IsUnreserved(unsigned char byte) {
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z') || byte == '*' || byte == '-' || byte == '.' ||
         byte == '@' || byte == '_';
}

void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

}  // namespace

std::string UrlForm(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  bool second_byte_due = false;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (second_byte_due) {
      AppendEscaped(out, byte);
      second_byte_due = false;
    } else if (IsUrlLeadByte(byte)) {
      AppendEscaped(out, byte);
      second_byte_due = true;
    } else if (byte == ' ') {
      out += '+';
    } else if (IsUnreserved(byte)) {
      out += c;
    } else {
      AppendEscaped(out, byte);
    }
  }
  return out;
}

}  // namespace vyr
