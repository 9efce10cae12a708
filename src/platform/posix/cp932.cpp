#include "platform/posix/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>

#include "base/sjis.h"

namespace vyr::posix {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`, calling `skip` for the length of an unconvertible sequence
  // at the front and writing "?" for it.
  template <typename Skip>
  std::string Run(std::string_view in, Skip skip) {
    std::string out(in.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char* dst = out.data();
    std::size_t dst_left = out.size();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (src_left > 0) {
      if (iconv(cd_, &src, &src_left, &dst, &dst_left) != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) break;  // cannot happen with four bytes out per byte in
      const std::size_t bad = std::min(skip(std::string_view(src, src_left)), src_left);
      src += bad;
      src_left -= bad;
      *dst++ = '?';
      --dst_left;
    }
    out.resize(out.size() - dst_left);
    return out;
  }

 private:
  iconv_t cd_;
};

std::size_t Utf8SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t valid = 1;
  while (valid < length && valid < text.size() &&
         (static_cast<unsigned char>(text[valid]) & 0xC0) == 0x80) {
    ++valid;
  }
  return valid;
}

std::size_t AnsiSequenceLength(std::string_view text) { return CharLength(text, 0); }

Converter& FromUtf8() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& ToUtf8() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

Converter& ToUtf32() {
  thread_local Converter converter("UTF-32LE", "CP932");
  return converter;
}

Converter& FromUtf32() {
  thread_local Converter converter("CP932", "UTF-32LE");
  return converter;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return FromUtf8().Run(utf8, Utf8SequenceLength);
}

std::string AnsiToUtf8(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  return ToUtf8().Run(ansi, AnsiSequenceLength);
}

long AnsiCharToCodePoint(std::string_view ansi_char) {
  bool failed = false;
  const std::string utf32 =
      ToUtf32().Run(ansi_char, [&failed](std::string_view rest) {
        failed = true;
        return rest.size();
      });
  if (failed || utf32.size() != 4) return -1;
  const auto* b = reinterpret_cast<const unsigned char*>(utf32.data());
  return static_cast<long>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

std::string CodePointToAnsi(long code_point) {
  const auto cp = static_cast<std::uint32_t>(code_point);
  const char utf32[4] = {static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8 & 0xFF),
                         static_cast<char>(cp >> 16 & 0xFF), static_cast<char>(cp >> 24 & 0xFF)};
  bool failed = false;
  std::string ansi = FromUtf32().Run(std::string_view(utf32, 4), [&failed](std::string_view rest) {
    failed = true;
    return rest.size();
  });
  return failed ? std::string() : ansi;
}

}  // namespace vyr::posix
