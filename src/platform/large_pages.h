// Fresh memory that is about to be written through.
#pragma once

#include <cstddef>

namespace vyr::platform {

// Asks for large pages for the block, where the system gives them for the
// asking: a page fault and a page clearing for every 2 MiB instead of every
// 4 KiB. Call it before the block is first written; nothing else changes.
void AdviseLargePages(void* data, std::size_t size);

// Makes the block's pages now, ready to be written, leaving whatever they
// hold as it is, so that a write to them later costs no fault; false where
// the system cannot. Another thread may be writing to the block meanwhile.
bool MakePages(void* data, std::size_t size);

}  // namespace vyr::platform
