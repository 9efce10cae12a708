// Loading a 1M-entry pair and sorting a 1M-entry scan.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_options.h"
#include "index/index_store.h"
#include "index/sort_lists.h"
#include "index/walked_tree.h"
#include "model_index.h"
#include "platform/file_system.h"
#include "platform/posix/cp932.h"

namespace {

vyr::bench::BenchOptions options;

// Without --pair-dir the pair is written to a folder of our own first, and
// removed when the program ends.
struct PairFolder {
  std::string directory;  // ends in "/"
  std::string label;      // Shift-JIS
  bool own = false;

  ~PairFolder() {
    if (!own) return;
    for (const char* suffix : {".dir", ".path"}) {
      std::remove((directory + "Vyr_" + label + suffix).c_str());
    }
    rmdir(directory.c_str());
  }
};

const PairFolder& Pair() {
  static PairFolder pair = [] {
    PairFolder made;
    made.label = vyr::posix::Utf8ToAnsi(options.label);
    if (!options.pair_dir.empty()) {
      made.directory = vyr::posix::Utf8ToAnsi(options.pair_dir);
      if (made.directory.back() != '/') made.directory += '/';
      return made;
    }
    char pattern[] = "/tmp/vyr-index-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
      std::perror("mkdtemp");
      std::exit(1);
    }
    made.directory = std::string(pattern) + "/";
    made.own = true;
    vyr::LoadedIndex index;
    vyr::bench::BuildSortedModelIndex({options.directories, options.seed, 12}, 't', index);
    index.volume_label = made.label;
    if (!vyr::IndexStore(vyr::platform::RealFileSystem(), made.directory).Save(index)) {
      std::fprintf(stderr, "cannot write the pair into %s\n", made.directory.c_str());
      std::exit(1);
    }
    return made;
  }();
  return pair;
}

void BM_Load(benchmark::State& state) {
  const PairFolder& pair = Pair();
  const vyr::IndexStore store(vyr::platform::RealFileSystem(), pair.directory);
  vyr::LoadedIndex index;
  std::size_t bytes = 0;
  for (auto _ : state) {
    // A fresh Loaded index each time, as the first load after start-up: the
    // buffers come from the system again and their pages are touched anew.
    vyr::LoadedIndex fresh;
    store.Load(pair.label, fresh);
    benchmark::DoNotOptimize(fresh.names.size());
    bytes = fresh.names.EntryBytes() + fresh.paths.EntryBytes() + 4 * fresh.names.size();
    if (fresh.no_index) {
      state.SkipWithError("the pair did not load");
      break;
    }
    state.PauseTiming();
    index = std::move(fresh);  // the previous one is freed outside the timing
    state.ResumeTiming();
  }
  state.counters["entries"] = static_cast<double>(index.names.size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// What a scan does once its walk has ended: sort the walked tree into the
// index's lists, building every path.
void BM_SortWalkedTree(benchmark::State& state) {
  vyr::WalkedTree walked("");
  vyr::bench::BuildModelTree({options.directories, options.seed, 12}, 't', walked);
  for (auto _ : state) {
    state.PauseTiming();
    vyr::WalkedTree tree = walked;
    vyr::LoadedIndex index;
    state.ResumeTiming();
    vyr::SortWalkedTree(std::move(tree), index);
    benchmark::DoNotOptimize(index.names.size());
    state.PauseTiming();
    index.Clear();
    state.ResumeTiming();
  }
  state.counters["entries"] = static_cast<double>(walked.size());
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  options = vyr::bench::ParseBenchOptions(argc, argv);
  benchmark::RegisterBenchmark("BM_Load", BM_Load)->Unit(benchmark::kMillisecond)->UseRealTime();
  // The sort runs on two threads: the time that counts is the wall's.
  benchmark::RegisterBenchmark("BM_SortWalkedTree", BM_SortWalkedTree)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
