// Names of keys that have no name of our own.
#pragma once

#include <cstdint>
#include <string>

namespace vyr::platform {

// The name the keyboard gives the key's scan code (Windows: MapVirtualKeyA,
// then GetKeyNameTextA; Linux: a table of the names a US keyboard gives).
// Empty when the key has none.
std::string KeyNameOfScanCode(std::uint8_t virtual_key);

}  // namespace vyr::platform
