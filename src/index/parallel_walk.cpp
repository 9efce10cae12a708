#include "index/parallel_walk.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "index/walk_rules.h"

namespace vyr {
namespace {

// A directory still to be listed.
struct Pending {
  std::string path;  // ends in "\"
  std::uint32_t number = WalkedTree::kRoot;
};

// The directories still to be listed that a worker has handed over for
// others, and the knowledge of when the walk is over.
class SharedWork {
 public:
  explicit SharedWork(int workers) : workers_(workers) {}

  // Waits for a directory to list; false once nothing is left anywhere.
  bool Take(Pending& directory) {
    std::unique_lock lock(mutex_);
    ++idle_;
    hungry_.store(pending_.empty(), std::memory_order_relaxed);
    ready_.wait(lock, [&] { return Stopped() || !pending_.empty() || idle_ == workers_; });
    if (Stopped() || pending_.empty()) {
      ready_.notify_all();
      return false;
    }
    directory = std::move(pending_.back());
    pending_.pop_back();
    --idle_;
    hungry_.store(idle_ > 0 && pending_.empty(), std::memory_order_relaxed);
    return true;
  }

  bool Stopped() const { return stopped_.load(std::memory_order_relaxed); }

  // True while a worker waits for something to do.
  bool Hungry() const { return hungry_.load(std::memory_order_relaxed); }

  // Hands over the first `count` of a worker's own directories: the ones
  // nearest the root, with the most below them.
  void Give(std::vector<Pending>& own, std::size_t count) {
    {
      std::lock_guard lock(mutex_);
      for (std::size_t k = 0; k < count; ++k) pending_.push_back(std::move(own[k]));
      hungry_.store(false, std::memory_order_relaxed);
    }
    own.erase(own.begin(), own.begin() + static_cast<std::ptrdiff_t>(count));
    ready_.notify_all();
  }

  void Stop() {
    {
      std::lock_guard lock(mutex_);  // so that no worker misses it between test and wait
      stopped_.store(true, std::memory_order_relaxed);
    }
    ready_.notify_all();
  }

 private:
  const int workers_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<Pending> pending_;
  int idle_ = 0;
  std::atomic<bool> hungry_{false};
  std::atomic<bool> stopped_{false};
};

// What the calling thread shows: how many directories were found, and one
// that is being listed.
class SharedProgress {
 public:
  void Found(int count) { found_.fetch_add(count, std::memory_order_relaxed); }
  int found() const { return found_.load(std::memory_order_relaxed); }

  void Listing(const std::string& path) {
    std::lock_guard lock(mutex_);
    path_ = path;
  }
  std::string path() {
    std::lock_guard lock(mutex_);
    return path_;
  }

 private:
  std::atomic<int> found_{0};
  std::mutex mutex_;
  std::string path_;
};

// The tree that every worker adds to, one listing's children at a time.
class SharedTree {
 public:
  explicit SharedTree(WalkedTree& tree) : tree_(tree) {}

  // Returns the number of the first child; the others follow it.
  std::uint32_t AddChildren(std::uint32_t parent, const std::vector<WalkedChild>& children) {
    std::lock_guard lock(mutex_);
    const auto first = static_cast<std::uint32_t>(tree_.size());
    for (const WalkedChild& child : children) tree_.Add(parent, child.name, child.upper_name);
    return first;
  }

 private:
  std::mutex mutex_;
  WalkedTree& tree_;
};

class Worker {
 public:
  Worker(std::unique_ptr<platform::DirectoryLister> lister, const WalkOptions& options,
         SharedWork& work, SharedProgress& progress, SharedTree& tree)
      : lister_(std::move(lister)),
        options_(options),
        work_(work),
        progress_(progress),
        tree_(tree) {}

  void Run() {
    Pending directory;
    while (Next(directory)) {
      List(directory);
      if (own_.size() > 1 && work_.Hungry()) work_.Give(own_, own_.size() / 2);
    }
  }

  void Start(std::string root) { own_.push_back({std::move(root), WalkedTree::kRoot}); }

 private:
  bool Next(Pending& directory) {
    if (work_.Stopped()) return false;
    if (own_.empty()) return work_.Take(directory);
    directory = std::move(own_.back());
    own_.pop_back();
    return true;
  }

  void List(const Pending& directory) {
    constexpr int kListingsPerReport = 64;
    if (++listings_ % kListingsPerReport == 1) progress_.Listing(directory.path);
    children_.clear();
    ListWalkedChildren(*lister_, directory.path, options_, children_);
    progress_.Found(static_cast<int>(children_.size()));
    if (children_.empty()) return;
    const std::uint32_t first = tree_.AddChildren(directory.number, children_);
    // Pushed last to first, so that this worker enters them first to last.
    for (std::size_t k = children_.size(); k-- > 0;) {
      std::string child_path = directory.path + children_[k].name;
      if (children_[k].is_link && LeadsBackUp(child_path, *lister_)) continue;
      child_path += '\\';
      own_.push_back({std::move(child_path), first + static_cast<std::uint32_t>(k)});
    }
  }

  std::unique_ptr<platform::DirectoryLister> lister_;
  const WalkOptions& options_;
  SharedWork& work_;
  SharedProgress& progress_;
  SharedTree& tree_;
  std::vector<Pending> own_;  // still to list, nearest the root first
  std::vector<WalkedChild> children_;
  int listings_ = 0;
};

// Runs each worker on a thread of its own. The workers wait at a gate until
// all the threads exist, so that a thread the system refuses leaves nothing
// half walked; then this thread tells the progress until all have ended.
class Crew {
 public:
  explicit Crew(SharedWork& work) : work_(work) {}

  void Run(std::vector<std::unique_ptr<Worker>>& workers, SharedProgress& shared,
           WalkProgress& progress) {
    running_ = static_cast<int>(workers.size());
    std::vector<std::jthread> threads;
    try {
      for (auto& worker : workers) threads.emplace_back([this, &worker] { RunOne(*worker); });
    } catch (const std::system_error&) {
      SetGate(&abandoned_);
      throw;  // the threads that were made end at the gate
    }
    SetGate(&open_);
    std::unique_lock lock(mutex_);
    while (!changed_.wait_for(lock, kProgressInterval, [&] { return running_ == 0; })) {
      lock.unlock();
      progress.EnterDirectory(shared.path(), shared.found());
      lock.lock();
    }
    lock.unlock();
    threads.clear();
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  static constexpr std::chrono::milliseconds kProgressInterval{25};

  void SetGate(bool* flag) {
    {
      std::lock_guard lock(mutex_);
      *flag = true;
    }
    changed_.notify_all();
  }

  void RunOne(Worker& worker) {
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return open_ || abandoned_; });
      if (abandoned_) return;
    }
    try {
      worker.Run();
    } catch (...) {
      work_.Stop();  // the others end too, and the first error is the walk's
      std::lock_guard lock(mutex_);
      if (!failure_) failure_ = std::current_exception();
    }
    std::lock_guard lock(mutex_);
    --running_;
    changed_.notify_all();
  }

  SharedWork& work_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool open_ = false;
  bool abandoned_ = false;
  int running_ = 0;
  std::exception_ptr failure_;
};

}  // namespace

int WalkDirectoriesInParallel(const ListerMaker& make_lister, int threads,
                              const WalkOptions& options, WalkProgress& progress,
                              WalkedTree& tree) {
  threads = std::max(threads, 1);
  SharedWork work(threads);
  SharedProgress shared;
  SharedTree shared_tree(tree);
  std::vector<std::unique_ptr<Worker>> workers;
  for (int k = 0; k < threads; ++k) {
    workers.push_back(
        std::make_unique<Worker>(make_lister(), options, work, shared, shared_tree));
  }
  workers[0]->Start(tree.root());
  progress.EnterDirectory(tree.root(), 0);

  Crew(work).Run(workers, shared, progress);
  return shared.found();
}

}  // namespace vyr
