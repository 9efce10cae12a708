// vyr-bench-sort-load: the scan's sort and the load of a pair, each beside its
// anchor in every round, so that whatever else the machine does meanwhile
// weighs on both alike:
//
//   sort_names  LC_ALL=C sort of the pair's names file (output dropped)
//   sort_tree   SortWalkedTree of the walked model tree, the scan's sort
//   sort_lists  SortLists of the same walk's names and paths
//   cat_pair    cat of both files of the pair (output dropped)
//   load        IndexStore::Load of the pair into a fresh Loaded index
//
// One round runs each once, in that order. Prints each one's median in
// milliseconds ("median NAME MS"), and every round's times on stderr.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench_options.h"
#include "index/index_store.h"
#include "index/sort_lists.h"
#include "index/walked_tree.h"
#include "model_index.h"
#include "platform/file_system.h"
#include "platform/posix/cp932.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// Runs the program with `arguments`, LC_ALL=C added to the environment and
// its output dropped; exits when it cannot be run or fails.
void RunProgram(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  static char c_locale[] = "LC_ALL=C";
  envp.push_back(c_locale);
  for (char** variable = environ; *variable != nullptr; ++variable) {
    if (std::strncmp(*variable, "LC_ALL=", 7) != 0) envp.push_back(*variable);
  }
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "vyr-bench-sort-load: %s failed\n", arguments[0].c_str());
    std::exit(1);
  }
}

struct Figure {
  Figure(const char* figure_name, std::function<double()> run_once)
      : name(figure_name), run(std::move(run_once)) {}

  const char* name;
  std::function<double()> run;  // one run's milliseconds
  std::vector<double> times;
};

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const std::size_t middle = times.size() / 2;
  return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const vyr::bench::BenchOptions options = vyr::bench::ParseBenchOptions(argc, argv);
  if (options.pair_dir.empty()) {
    std::fprintf(stderr, "usage: vyr-bench-sort-load --pair-dir DIR [--label TEXT] [--dirs N] "
                         "[--seed S] [--rounds R]\n");
    return 2;
  }
  std::string directory = vyr::posix::Utf8ToAnsi(options.pair_dir);
  if (directory.back() != '/') directory += '/';
  const std::string label = vyr::posix::Utf8ToAnsi(options.label);
  const vyr::IndexStore store(vyr::platform::RealFileSystem(), directory);
  const vyr::IndexPairPaths pair = store.PairPaths(label);

  // The walk of the tree the pair was made from, as the scan leaves it and
  // as lists of names and paths.
  vyr::WalkedTree walked("");
  vyr::bench::BuildModelTree({options.directories, options.seed, 12}, 't', walked);
  vyr::LoadedIndex walked_lists;
  for (std::size_t k = 0; k < walked.size(); ++k) {
    walked_lists.names.push_back(walked.upper_name(k));
    walked_lists.paths.push_back(walked.Path(k));
  }

  std::vector<Figure> figures;
  figures.emplace_back("sort_names", [&] {
                       const Clock::time_point start = Clock::now();
                       RunProgram({"sort", pair.names_file});
                       return Milliseconds(Clock::now() - start);
                     });
  figures.emplace_back("sort_tree", [&] {
                       vyr::WalkedTree tree = walked;
                       vyr::LoadedIndex index;
                       const Clock::time_point start = Clock::now();
                       vyr::SortWalkedTree(std::move(tree), index);
                       return Milliseconds(Clock::now() - start);
                     });
  figures.emplace_back("sort_lists", [&] {
                       vyr::LoadedIndex index = walked_lists;
                       const Clock::time_point start = Clock::now();
                       vyr::SortLists(index);
                       return Milliseconds(Clock::now() - start);
                     });
  figures.emplace_back("cat_pair", [&] {
                       const Clock::time_point start = Clock::now();
                       RunProgram({"cat", pair.names_file, pair.paths_file});
                       return Milliseconds(Clock::now() - start);
                     });
  figures.emplace_back("load", [&] {
                       // A fresh Loaded index, as the first load after start-up:
                       // its buffers come from the system again.
                       vyr::LoadedIndex index;
                       const Clock::time_point start = Clock::now();
                       store.Load(label, index);
                       const double time = Milliseconds(Clock::now() - start);
                       if (index.names.size() != walked.size()) {
                         std::fprintf(stderr, "vyr-bench-sort-load: the pair holds %zu entries, "
                                              "the tree %zu\n",
                                      index.names.size(), walked.size());
                         std::exit(1);
                       }
                       return time;
                     });

  for (Figure& figure : figures) figure.run();  // the files into the cache, the code warm
  for (int round = 0; round < options.rounds; ++round) {
    std::fprintf(stderr, "round %d:", round + 1);
    for (Figure& figure : figures) {
      figure.times.push_back(figure.run());
      std::fprintf(stderr, " %s %.1f", figure.name, figure.times.back());
    }
    std::fprintf(stderr, "\n");
  }
  for (const Figure& figure : figures) std::printf("median %s %.2f\n", figure.name, Median(figure.times));
  return 0;
}
