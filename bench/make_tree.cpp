// vyr-bench-tree: writes the generated drive to disk, or only the index pair
// that scanning it would give.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "index/index_store.h"
#include "model_index.h"
#include "platform/file_system.h"
#include "platform/posix/cp932.h"
#include "tree_model.h"

namespace {

constexpr char kUsage[] =
    "usage: vyr-bench-tree [--dirs N] [--seed S] [--max-depth D] [--label TEXT] --tree DIR\n"
    "       vyr-bench-tree [--dirs N] [--seed S] [--max-depth D] [--label TEXT] [--drive L] --pair DIR\n"
    "  --tree DIR  makes the tree in DIR (new or empty), with DIR/.windows-label\n"
    "  --pair DIR  writes the index pair a scan of that tree as drive L (t) gives\n";

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "vyr-bench-tree: %s: %s\n", what.c_str(), std::strerror(errno));
  std::exit(1);
}

// Keeps a descriptor for each directory on the way down, opened only when
// its first entry arrives, so that every entry is made by its name alone.
class DiskSink final : public vyr::bench::TreeSink {
 public:
  explicit DiskSink(int root_fd) : fds_{root_fd}, names_{""} {}
  ~DiskSink() override {
    for (std::size_t d = 1; d < fds_.size(); ++d) {
      if (fds_[d] >= 0) close(fds_[d]);
    }
  }

  void Directory(int depth, std::string_view name) override {
    const int parent = ParentFd(depth);
    const std::string text(name);
    if (mkdirat(parent, text.c_str(), 0755) != 0) Fail("mkdir " + text);
    names_.push_back(text);
    fds_.push_back(-1);
  }

  void File(int depth, std::string_view name) override {
    const int parent = ParentFd(depth);
    const std::string text(name);
    const int fd = openat(parent, text.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) Fail("create " + text);
    close(fd);
  }

 private:
  int ParentFd(int depth) {
    const auto parent = static_cast<std::size_t>(depth - 1);
    while (fds_.size() > parent + 1) {
      if (fds_.back() >= 0) close(fds_.back());
      fds_.pop_back();
      names_.pop_back();
    }
    if (fds_[parent] < 0) {
      fds_[parent] = openat(fds_[parent - 1], names_[parent].c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (fds_[parent] < 0) Fail("open " + names_[parent]);
    }
    return fds_[parent];
  }

  std::vector<int> fds_;
  std::vector<std::string> names_;
};

void PrintStats(const vyr::bench::TreeStats& stats) {
  std::fprintf(stderr, "directories %llu, files %llu, Japanese names %llu, widest %llu\n",
               static_cast<unsigned long long>(stats.directories),
               static_cast<unsigned long long>(stats.files),
               static_cast<unsigned long long>(stats.japanese_names),
               static_cast<unsigned long long>(stats.widest_directory));
  std::fprintf(stderr, "by depth:");
  for (std::size_t d = 1; d < stats.directories_at_depth.size(); ++d) {
    std::fprintf(stderr, " %zu:%llu", d, static_cast<unsigned long long>(stats.directories_at_depth[d]));
  }
  std::fprintf(stderr, "\n");
}

int MakeTree(const vyr::bench::TreeShape& shape, const std::string& dir, const std::string& label) {
  if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) Fail("mkdir " + dir);
  const int root = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (root < 0) Fail("open " + dir);
  // A leftover tree would make a different drive under the same name.
  if (faccessat(root, ".windows-label", F_OK, 0) == 0) {
    std::fprintf(stderr, "vyr-bench-tree: %s already holds a tree\n", dir.c_str());
    return 1;
  }
  vyr::bench::TreeStats stats;
  {
    DiskSink sink(root);
    stats = vyr::bench::GenerateTree(shape, sink);
  }
  const int fd = openat(root, ".windows-label", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Fail("create .windows-label");
  const std::string line = label + "\n";
  if (write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) Fail("write .windows-label");
  close(fd);
  close(root);
  PrintStats(stats);
  std::printf("%llu\n", static_cast<unsigned long long>(stats.directories));
  return 0;
}

int MakePair(const vyr::bench::TreeShape& shape, const std::string& dir, const std::string& label,
             char letter) {
  vyr::LoadedIndex index;
  const vyr::bench::TreeStats stats = vyr::bench::BuildSortedModelIndex(shape, letter, index);
  index.volume_label = vyr::posix::Utf8ToAnsi(label);
  index.no_index = false;
  std::string directory = vyr::posix::Utf8ToAnsi(dir);
  if (directory.empty() || directory.back() != '/') directory += '/';
  const vyr::IndexStore store(vyr::platform::RealFileSystem(), directory);
  if (!store.Save(index)) {
    std::fprintf(stderr, "vyr-bench-tree: cannot write the pair into %s\n", dir.c_str());
    return 1;
  }
  PrintStats(stats);
  std::printf("%zu\n", index.names.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  vyr::bench::TreeShape shape;
  std::string label = "VYRBENCH";
  std::string tree_dir;
  std::string pair_dir;
  char letter = 't';
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) {
      std::fputs(kUsage, stderr);
      return 2;
    }
    const char* value = argv[++i];
    if (flag == "--dirs") {
      shape.directories = std::strtoull(value, nullptr, 10);
    } else if (flag == "--seed") {
      shape.seed = std::strtoull(value, nullptr, 10);
    } else if (flag == "--max-depth") {
      shape.max_depth = std::atoi(value);
    } else if (flag == "--label") {
      label = value;
    } else if (flag == "--drive" && std::strlen(value) == 1) {
      letter = value[0];
    } else if (flag == "--tree") {
      tree_dir = value;
    } else if (flag == "--pair") {
      pair_dir = value;
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (tree_dir.empty() == pair_dir.empty() || shape.max_depth < 1 || shape.directories == 0) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  return tree_dir.empty() ? MakePair(shape, pair_dir, label, letter) : MakeTree(shape, tree_dir, label);
}
