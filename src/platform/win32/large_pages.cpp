#include "platform/large_pages.h"

namespace vyr::platform {

// Large pages on Windows take a privilege that the program does not hold.
void AdviseLargePages(void*, std::size_t) {}

// Pages are made as they are first written.
bool MakePages(void*, std::size_t) { return false; }

}  // namespace vyr::platform
