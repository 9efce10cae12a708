#include <windows.h>

#include <climits>

#include "base/sjis.h"
#include "platform/utf8_text.h"

namespace vyr::platform {
namespace {

// The conversion takes int lengths; longer texts go in pieces cut between
// characters, so that no pair is split.
constexpr std::size_t kPieceBytes = 1 << 20;

void AppendPiece(std::string_view piece, std::wstring& wide, std::string& out) {
  const int in_length = static_cast<int>(piece.size());
  const int wide_length = MultiByteToWideChar(CP_ACP, 0, piece.data(), in_length, nullptr, 0);
  if (wide_length <= 0) return;
  wide.resize(static_cast<std::size_t>(wide_length));
  MultiByteToWideChar(CP_ACP, 0, piece.data(), in_length, wide.data(), wide_length);
  const int utf8_length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  if (utf8_length <= 0) return;
  const std::size_t at = out.size();
  out.resize(at + static_cast<std::size_t>(utf8_length));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, out.data() + at, utf8_length, nullptr,
                      nullptr);
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  std::wstring wide;
  while (!ansi.empty()) {
    std::size_t end = 0;
    while (end < ansi.size() && end < kPieceBytes) end += CharLength(ansi, end);
    AppendPiece(ansi.substr(0, end), wide, out);
    ansi.remove_prefix(end);
  }
  return out;
}

}  // namespace vyr::platform
