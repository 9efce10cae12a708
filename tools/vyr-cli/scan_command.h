// vyr-cli scan: a drive's walk into its index pair, without windows.
#pragma once

#include <ostream>

#include "index/index_store.h"
#include "tools/vyr-cli/arguments.h"

namespace vyr::cli {

int Scan(const Options& options, const IndexStore& store, std::ostream& out, std::ostream& err);

}  // namespace vyr::cli
