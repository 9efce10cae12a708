// The global hot keys: "register ID MODIFIERS KEY" and "unregister ID", in
// hexadecimal identifiers as the program numbers them.
#pragma once

#include <cstdio>
#include <string>

#include "desktop/hot_keys.h"
#include "fakes/effect_log.h"

namespace vyr::test {

class FakeHotKeys final : public HotKeyService, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  void RegisterHotKey(int id, HotKeyParts parts) override {
    char line[64];
    std::snprintf(line, sizeof line, "register %#x %u %#x", static_cast<unsigned>(id),
                  parts.modifiers, parts.key);
    Log(line);
  }
  void UnregisterHotKey(int id) override {
    char line[32];
    std::snprintf(line, sizeof line, "unregister %#x", static_cast<unsigned>(id));
    Log(line);
  }
};

}  // namespace vyr::test
