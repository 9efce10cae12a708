// Any bytes as a settings file: reading and editing it must stay in bounds,
// and a written value must read back as the profile rules say.
#include <cstdint>
#include <string>

#include "platform/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char* section : {"DESKTOP", "OPTION", "HISTORY", ""}) {
    for (const char* key : {"MAINTOP", "NUM", "1", ""}) {
      vyr::platform::FindIniValue(text, section, key);
    }
  }
  const std::string edited = vyr::platform::SetIniValue(text, "HISTORY", "NUM", "16");
  const auto value = vyr::platform::FindIniValue(edited, "HISTORY", "NUM");
  // Another key earlier in the section may shadow ours, never lose it.
  if (!value) __builtin_trap();
  return 0;
}
