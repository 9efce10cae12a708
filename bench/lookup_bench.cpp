// Name lookup and path fragment search over a 1M-entry index.
//
// A "typed" query is what a user enters to reach a directory: the beginning
// of its name, in the case it has on disk, cut at the first length that
// leaves a short candidate list (16 or fewer) but never shorter than two
// characters; directories whose name never gets there are not drawn. Short
// beginnings with thousands of candidates are measured apart: they cost what
// copying that many paths costs, and nobody stops typing there.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/sjis.h"
#include "platform/upper_case.h"
#include "bench_options.h"
#include "jump/lookup.h"
#include "platform/posix/cp932.h"

namespace {

using vyr::LoadedIndex;
using vyr::StringList;

vyr::bench::BenchOptions options;
LoadedIndex& Index() {
  static LoadedIndex index;
  static const bool loaded = [] {
    vyr::bench::LoadOrBuildIndex(options, index);
    return true;
  }();
  (void)loaded;
  return index;
}

// Entries whose first `length` bytes are below, or at most equal to, `prefix`.
std::size_t Bound(const StringList& names, std::string_view prefix, bool take_equal) {
  std::size_t lo = 0;
  std::size_t hi = names.size();
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    const int order = names[mid].substr(0, prefix.size()).compare(prefix);
    if (order < 0 || (take_equal && order == 0)) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

std::size_t CandidateCount(const StringList& names, std::string_view prefix) {
  return Bound(names, prefix, true) - Bound(names, prefix, false);
}

// Same order of queries on every run.
class QueryRandom {
 public:
  std::uint64_t Below(std::uint64_t n) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return (state_ >> 33) % n;
  }

 private:
  std::uint64_t state_ = 12345;
};

struct Query {
  std::string typed;  // as the user types it: the name's own case
  std::string upper;  // what the lookup searches for
  std::size_t candidates;
};

constexpr std::size_t kQueries = 4096;

// The last component of a path: the directory's name as it is on disk.
std::string_view NameOnDisk(std::string_view path) {
  return path.substr(vyr::FindLastChar(path, '\\') + 1);
}

// Share of the drawn directories that typing can single out to 16 or fewer
// candidates; the others (DOCS, SRC, 2019 ...) are reached by a path fragment.
double narrowable_share = 0;

const std::vector<Query>& TypedQueries() {
  static const std::vector<Query> queries = [] {
    const LoadedIndex& index = Index();
    QueryRandom random;
    std::vector<Query> made;
    std::size_t drawn = 0;
    while (made.size() < kQueries) {
      ++drawn;
      const std::size_t k = random.Below(index.names.size());
      const std::string_view on_disk = NameOnDisk(index.paths[k]);
      const std::string_view upper_name = index.names[k];
      std::size_t length = 0;
      int characters = 0;
      std::size_t candidates = 0;
      while (length < upper_name.size()) {
        length += vyr::CharLength(upper_name, length);
        ++characters;
        candidates = CandidateCount(index.names, upper_name.substr(0, length));
        if (characters >= 2 && candidates <= 16) break;
      }
      if (candidates > 16) continue;
      made.push_back({std::string(on_disk.substr(0, length)), std::string(upper_name.substr(0, length)),
                      candidates});
    }
    narrowable_share = static_cast<double>(made.size()) / static_cast<double>(drawn);
    return made;
  }();
  return queries;
}

// Beginnings of three bytes: mostly many hundreds of candidates each.
const std::vector<Query>& ShortQueries() {
  static const std::vector<Query> queries = [] {
    const LoadedIndex& index = Index();
    QueryRandom random;
    std::vector<Query> made;
    while (made.size() < kQueries) {
      const std::string_view name = index.names[random.Below(index.names.size())];
      std::size_t length = 0;
      while (length < name.size() && length < 3) length += vyr::CharLength(name, length);
      const std::string upper(name.substr(0, length));
      made.push_back({upper, upper, CandidateCount(index.names, upper)});
    }
    return made;
  }();
  return queries;
}

// Beginnings that no name has: the bisection alone.
const std::vector<Query>& MissingQueries() {
  static const std::vector<Query> queries = [] {
    const LoadedIndex& index = Index();
    QueryRandom random;
    std::vector<Query> made;
    while (made.size() < kQueries) {
      std::string upper(index.names[random.Below(index.names.size())]);
      upper += "~~";
      if (CandidateCount(index.names, upper) == 0) made.push_back({upper, upper, 0});
    }
    return made;
  }();
  return queries;
}

void ReportQueries(benchmark::State& state, const std::vector<Query>& queries) {
  double candidates = 0;
  double bytes = 0;
  for (const Query& query : queries) {
    candidates += static_cast<double>(query.candidates);
    bytes += static_cast<double>(query.upper.size());
  }
  state.counters["candidates"] = candidates / static_cast<double>(queries.size());
  state.counters["query_bytes"] = bytes / static_cast<double>(queries.size());
}

void RunFindNamePrefix(benchmark::State& state, const std::vector<Query>& queries) {
  const LoadedIndex& index = Index();
  std::vector<std::string> results;
  std::size_t next = 0;
  for (auto _ : state) {
    results.clear();
    vyr::FindNamePrefix(queries[next].upper, index, results);
    benchmark::DoNotOptimize(results.data());
    next = (next + 1) % queries.size();
  }
  ReportQueries(state, queries);
}

void BM_FindNamePrefix_Typed(benchmark::State& state) {
  RunFindNamePrefix(state, TypedQueries());
  state.counters["narrowable"] = narrowable_share;
}
void BM_FindNamePrefix_Missing(benchmark::State& state) { RunFindNamePrefix(state, MissingQueries()); }
void BM_FindNamePrefix_Short(benchmark::State& state) { RunFindNamePrefix(state, ShortQueries()); }

// The whole of what GO does with a typed name: upper-case, trim, decide, find.
void BM_Lookup_Typed(benchmark::State& state) {
  const LoadedIndex& index = Index();
  const std::vector<Query>& queries = TypedQueries();
  std::vector<std::string> results;
  std::size_t next = 0;
  std::size_t found = 0;
  for (auto _ : state) {
    results.clear();
    const vyr::LookupRequest request = vyr::ReadTypedText(queries[next].typed);
    const vyr::LookupOutcome outcome = vyr::Search(request.text, index, 't', results);
    benchmark::DoNotOptimize(outcome.kind);
    found += results.size();
    next = (next + 1) % queries.size();
  }
  if (found == 0) state.SkipWithError("typed queries found nothing");
  ReportQueries(state, queries);
}

void RunPathFragment(benchmark::State& state, const std::string& typed_utf8) {
  const LoadedIndex& index = Index();
  const std::string fragment = vyr::UpperCase(vyr::posix::Utf8ToAnsi(typed_utf8));
  std::vector<std::string> results;
  for (auto _ : state) {
    results.clear();
    vyr::FindPathFragment(fragment, index.paths, results);
    benchmark::DoNotOptimize(results.data());
  }
  state.counters["hits"] = static_cast<double>(results.size());
  state.counters["paths"] = static_cast<double>(index.paths.size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(index.paths.EntryBytes()));
}

void BM_FindPathFragment(benchmark::State& state) { RunPathFragment(state, options.fragment); }
void BM_FindPathFragment_Ascii(benchmark::State& state) { RunPathFragment(state, "docs\\old"); }

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  options = vyr::bench::ParseBenchOptions(argc, argv);
  benchmark::RegisterBenchmark("BM_FindNamePrefix_Typed", BM_FindNamePrefix_Typed);
  benchmark::RegisterBenchmark("BM_Lookup_Typed", BM_Lookup_Typed);
  benchmark::RegisterBenchmark("BM_FindNamePrefix_Missing", BM_FindNamePrefix_Missing);
  benchmark::RegisterBenchmark("BM_FindNamePrefix_Short", BM_FindNamePrefix_Short);
  benchmark::RegisterBenchmark("BM_FindPathFragment", BM_FindPathFragment)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_FindPathFragment_Ascii", BM_FindPathFragment_Ascii)
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
