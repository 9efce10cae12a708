#include "bench_options.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "index/index_store.h"
#include "model_index.h"
#include "platform/file_system.h"
#include "platform/posix/cp932.h"

namespace vyr::bench {

BenchOptions ParseBenchOptions(int argc, char** argv) {
  BenchOptions options;
  for (int i = 1; i < argc; ++i) {
    const char* flag = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (value == nullptr) {
      std::fprintf(stderr,
                   "usage: %s [benchmark flags] [--dirs N] [--seed S] [--pair-dir DIR] [--label TEXT] "
                   "[--fragment TEXT] [--rounds R]\n",
                   argv[0]);
      std::exit(2);
    }
    if (std::strcmp(flag, "--dirs") == 0) {
      options.directories = std::strtoull(value, nullptr, 10);
    } else if (std::strcmp(flag, "--seed") == 0) {
      options.seed = std::strtoull(value, nullptr, 10);
    } else if (std::strcmp(flag, "--pair-dir") == 0) {
      options.pair_dir = value;
    } else if (std::strcmp(flag, "--label") == 0) {
      options.label = value;
    } else if (std::strcmp(flag, "--fragment") == 0) {
      options.fragment = value;
    } else if (std::strcmp(flag, "--rounds") == 0) {
      options.rounds = std::max(1, std::atoi(value));
    } else {
      std::fprintf(stderr, "%s: unknown argument %s\n", argv[0], flag);
      std::exit(2);
    }
    ++i;
  }
  return options;
}

void LoadOrBuildIndex(const BenchOptions& options, LoadedIndex& index) {
  if (options.pair_dir.empty()) {
    BuildSortedModelIndex({options.directories, options.seed, 12}, 't', index);
    return;
  }
  std::string directory = posix::Utf8ToAnsi(options.pair_dir);
  if (directory.back() != '/') directory += '/';
  const IndexStore store(platform::RealFileSystem(), directory);
  store.Load(posix::Utf8ToAnsi(options.label), index);
  if (index.no_index) {
    std::fprintf(stderr, "no index pair for %s in %s\n", options.label.c_str(), options.pair_dir.c_str());
    std::exit(1);
  }
}

}  // namespace vyr::bench
