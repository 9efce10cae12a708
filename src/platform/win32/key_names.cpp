#include "platform/key_names.h"

#include <windows.h>

namespace vyr::platform {

std::string KeyNameOfScanCode(std::uint8_t virtual_key) {
  const UINT scan_code = MapVirtualKeyA(virtual_key, MAPVK_VK_TO_VSC);
  if (scan_code == 0) return {};
  char name[64] = {};
  const int length = GetKeyNameTextA(static_cast<LONG>(scan_code << 16), name, sizeof name);
  return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace vyr::platform
