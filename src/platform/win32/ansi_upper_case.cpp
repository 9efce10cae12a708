#include <windows.h>

#include "platform/ansi_upper_case.h"

namespace vyr::platform {

void AnsiUpperCase(std::string& text) {
  if (text.empty()) return;
  const DWORD converted = CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  // Wine converts through UTF-16 and may hand back fewer bytes than it got.
  if (converted > 0 && converted < text.size()) text.resize(converted);
}

}  // namespace vyr::platform
