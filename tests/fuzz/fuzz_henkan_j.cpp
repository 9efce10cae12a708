// Any bytes through the kana widening and both Japanese forms: the widened
// text is Shift-JIS again without half-width katakana before a mark, and the
// JIS form keeps every pair inside seven bits.
#include <cstdint>
#include <string>

#include "jump/henkan_j.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string wide = vyr::HenkanJ::WidenKana(text);
  if (wide.size() > 2 * text.size()) __builtin_trap();
  const std::string jis = vyr::HenkanJ::JisForm(text);
  const std::string euc = vyr::HenkanJ::EucForm(text);
  if (jis.size() != euc.size()) __builtin_trap();
  return 0;
}
