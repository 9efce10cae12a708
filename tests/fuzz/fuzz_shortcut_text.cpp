// Any text as a shortcut: reading it must give a key combination that writes
// back to a text reading as the same combination.
#include <cstdint>
#include <string>

#include "settings/shortcut_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const vyr::KeyCombination shortcut = vyr::TextToShortcut(text);
  const std::string written = vyr::ShortcutToText(shortcut);
  if (vyr::TextToShortcut(written) != shortcut && !written.empty()) __builtin_trap();
  return 0;
}
