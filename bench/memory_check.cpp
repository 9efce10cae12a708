// vyr-bench-memory: loads a pair and checks what holding it costs. A loaded
// pair of N entries may take the two files' bytes plus 16 bytes an entry,
// plus 5%; both the lists' own count and the growth of the peak resident
// size are held to that.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "index/index_store.h"
#include "platform/file_system.h"
#include "platform/posix/cp932.h"

namespace {

// A field of /proc/self/status, in bytes.
long long StatusBytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
      return std::atoll(line.c_str() + length + 1) * 1024;
    }
  }
  return -1;
}

long long FileBytes(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vyr-bench-memory PAIR_DIR LABEL\n");
    return 2;
  }
  std::string directory = vyr::posix::Utf8ToAnsi(argv[1]);
  if (directory.back() != '/') directory += '/';
  const std::string label = vyr::posix::Utf8ToAnsi(argv[2]);
  const vyr::IndexStore store(vyr::platform::RealFileSystem(), directory);
  const vyr::IndexPairPaths pair = store.PairPaths(label);
  const long long file_bytes = FileBytes(pair.names_file) + FileBytes(pair.paths_file);

  const long long resident_before = StatusBytes("VmRSS");
  vyr::LoadedIndex index;
  store.Load(label, index);
  const long long peak_after = StatusBytes("VmHWM");
  if (index.no_index) {
    std::fprintf(stderr, "vyr-bench-memory: no pair for %s in %s\n", argv[2], argv[1]);
    return 1;
  }
  const auto entries = static_cast<long long>(index.names.size());
  const auto used = static_cast<long long>(index.names.MemoryUsed() + index.paths.MemoryUsed());
  const long long peak_growth = peak_after - resident_before;
  const long long bound = (file_bytes + 16 * entries) * 105 / 100;
  std::printf("entries %lld\n", entries);
  std::printf("file_bytes %lld\n", file_bytes);
  std::printf("bound %lld\n", bound);
  std::printf("memory_used %lld\n", used);
  std::printf("peak_rss_growth %lld\n", peak_growth);
  const bool held = used <= bound && peak_growth <= bound;
  std::printf("within_bound %s\n", held ? "yes" : "no");
  return held ? 0 : 1;
}
