#include "desktop/hot_keys.h"

namespace vyr {

HotKeyParts SplitHotKey(KeyCombination combination) {
  std::uint32_t modifiers = 0;
  if (combination & kShift) modifiers |= 4;
  if (combination & kCtrl) modifiers |= 2;
  if (combination & kAlt) modifiers |= 1;
  return {modifiers, static_cast<std::uint32_t>(combination & ~(kShift | kCtrl | kAlt))};
}

void HotKeyRegistration::Register() {
  service_.RegisterHotKey(kScanHotKeyId, SplitHotKey(settings_.scan_hot_key));
  for (std::size_t n = 0; n < commands_.size(); ++n) {
    service_.RegisterHotKey(kCommandHotKeyBase + static_cast<int>(n),
                            SplitHotKey(TextToShortcut(commands_[n].hot_key)));
  }
  registered_count_ = static_cast<int>(commands_.size());
}

void HotKeyRegistration::Unregister() {
  service_.UnregisterHotKey(kScanHotKeyId);
  for (int n = 0; n < registered_count_; ++n) service_.UnregisterHotKey(kCommandHotKeyBase + n);
}

}  // namespace vyr
