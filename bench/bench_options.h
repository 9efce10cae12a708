// What the benchmark programs are told besides Google Benchmark's own flags,
// and the 1M-entry index they work on.
#pragma once

#include <cstdint>
#include <string>

#include "index/loaded_index.h"

namespace vyr::bench {

struct BenchOptions {
  std::uint64_t directories = 1000000;
  std::uint64_t seed = 1;
  std::string pair_dir;               // load this pair instead of building one
  std::string label = "VYRBENCH";     // UTF-8
  std::string fragment = "写真\\20";  // UTF-8, as typed
  int rounds = 9;                     // of the figures taken in turn with their anchors
};

// Reads --dirs N, --seed S, --pair-dir DIR, --label TEXT, --fragment TEXT and --rounds R
// from what benchmark::Initialize left; exits with a usage line otherwise.
BenchOptions ParseBenchOptions(int argc, char** argv);

// The pair of `options.pair_dir` as IndexStore::Load gives it, or else the
// sorted model index of `options.directories` directories.
void LoadOrBuildIndex(const BenchOptions& options, LoadedIndex& index);

}  // namespace vyr::bench
