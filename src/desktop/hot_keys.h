// The global hot keys of tray mode: the scan hot key and one per Command
// entry, registered on the Mini window so that they arrive while it is hidden.
#pragma once

#include <cstdint>

#include "commands/command_list.h"
#include "settings/settings_values.h"
#include "settings/shortcut_text.h"

namespace vyr {

inline constexpr int kScanHotKeyId = 0x4444;

// A key combination as RegisterHotKey takes it.
struct HotKeyParts {
  std::uint32_t modifiers;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4; never MOD_WIN
  std::uint32_t key;        // the combination without its modifier bits

  bool operator==(const HotKeyParts&) const = default;
};

HotKeyParts SplitHotKey(KeyCombination combination);

// The platform's global hot keys. Results are not looked at: a combination
// that someone else holds simply never fires.
class HotKeyService {
 public:
  virtual ~HotKeyService() = default;
  virtual void RegisterHotKey(int id, HotKeyParts parts) = 0;
  virtual void UnregisterHotKey(int id) = 0;
};

class HotKeyRegistration {
 public:
  HotKeyRegistration(HotKeyService& service, const SettingsValues& settings,
                     const CommandList& commands)
      : service_(service), settings_(settings), commands_(commands) {}

  // The scan hot key, then every entry in list order, separators and
  // entries without a hot key too (they register "no key", which never
  // fires), so that an entry's identifier is always its position.
  void Register();
  // Exactly the identifiers of the last registration, whatever the list
  // holds now.
  void Unregister();

 private:
  HotKeyService& service_;
  const SettingsValues& settings_;
  const CommandList& commands_;
  int registered_count_ = 0;
};

}  // namespace vyr
