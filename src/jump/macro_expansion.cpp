#include "jump/macro_expansion.h"

#include <functional>

#include "jump/henkan_j.h"
#include "jump/url_form.h"
#include "platform/utf8_text.h"

namespace vyr {
namespace {

// Every "%" followed by `letter`, left to right, without overlap. The search
// is bytewise on purpose: a second byte is never below 0x40, so a "%" (0x25)
// found here is always a character of its own.
std::string ReplaceMacro(std::string_view text, char letter, std::string_view replacement) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at)) {
    if (at + 1 < text.size() && text[at + 1] == letter) {
      out.append(text, from, at - from);
      out.append(replacement);
      at += 2;
      from = at;
    } else {
      ++at;
    }
  }
  out.append(text, from);
  return out;
}

}  // namespace

std::string ExpandParameters(std::string_view parameters, std::string_view directory,
                             std::string_view input) {
  // A form is only worked out when its macro is there.
  struct Pass {
    char letter;
    std::function<std::string()> replacement;
  };
  const Pass passes[] = {
      {'w', [] { return std::string("\""); }},
      {'s', [directory] { return std::string(directory); }},
      {'d', [input] { return std::string(input); }},
      {'e', [input] { return UrlForm(input); }},
      {'u', [input] { return UrlForm(platform::AnsiToUtf8(input)); }},
      {'x', [input] { return UrlForm(HenkanJ::EucForm(input)); }},
      {'j', [input] { return UrlForm(HenkanJ::JisForm(input)); }},
  };
  std::string line(parameters);
  for (const Pass& pass : passes) {
    const char macro[] = {'%', pass.letter};
    if (line.find(std::string_view(macro, 2)) == std::string::npos) continue;
    line = ReplaceMacro(line, pass.letter, pass.replacement());
  }
  return line;
}

}  // namespace vyr
