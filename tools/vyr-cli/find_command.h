// vyr-cli find: the lookup of a typed text on one drive or on every drive.
#pragma once

#include "index/index_store.h"
#include "tools/vyr-cli/arguments.h"
#include "tools/vyr-cli/cli.h"

namespace vyr::cli {

int Find(const Options& options, const IndexStore& store, const Machine& machine,
         const Console& console);

}  // namespace vyr::cli
