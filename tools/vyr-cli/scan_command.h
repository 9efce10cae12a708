// vyr-cli scan: a drive's walk into its index pair, without windows.
#pragma once

#include <ostream>

#include "index/index_store.h"
#include "platform/drives.h"
#include "tools/vyr-cli/arguments.h"

namespace vyr::cli {

// A drive the machine does not have is not scanned: its pair, which may be
// one that other drives share, stays as it is.
int Scan(const Options& options, const IndexStore& store, platform::Drives& drives,
         std::ostream& out, std::ostream& err);

}  // namespace vyr::cli
