// Any bytes in the URL form: the output holds only the safe characters, "+"
// and %XX triples, and every macro's form of the text can be made.
#include <cctype>
#include <cstdint>
#include <string>

#include "jump/macro_expansion.h"
#include "jump/url_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string url = vyr::UrlForm(bytes);
  for (std::size_t i = 0; i < url.size(); ++i) {
    const char c = url[i];
    if (c == '%') {
      if (i + 2 >= url.size()) __builtin_trap();
      if (!std::isxdigit(static_cast<unsigned char>(url[i + 1])) ||
          !std::isxdigit(static_cast<unsigned char>(url[i + 2]))) {
        __builtin_trap();
      }
      i += 2;
    } else if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '*' && c != '-' &&
               c != '.' && c != '@' && c != '_') {
      __builtin_trap();
    }
  }
  vyr::ExpandParameters("%w%s%d%e%u%x%j", bytes, bytes);
  return 0;
}
