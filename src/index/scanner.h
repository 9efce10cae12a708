// The one scan operation behind the Scan button, the scan hot key, the
// drive-scan menu and scan-and-exit mode.
#pragma once

#include "index/directory_walk.h"
#include "index/index_store.h"
#include "index/loaded_index.h"
#include "index/parallel_walk.h"
#include "index/scan_view.h"
#include "platform/directory_lister.h"
#include "ui/warning_box.h"

namespace vyr {

class Scanner : private WalkProgress {
 public:
  // With `more_listers`, a machine of several cores walks on two threads.
  Scanner(LoadedIndex& index, const IndexStore& store, platform::DirectoryLister& lister,
          ScanView& view, WarningBox& warnings, ListerMaker more_listers = {})
      : index_(index),
        store_(store),
        lister_(lister),
        view_(view),
        warnings_(warnings),
        more_listers_(std::move(more_listers)) {}

  // Scans drive `letter` (in the case the caller gives, which the stored
  // paths keep) into the Loaded index and saves its pair. The caller has
  // selected that drive, so the index loaded now is its previous scan. Does
  // nothing while a scan runs: a message box shown during a scan serves
  // messages, and a scan hot key may come among them. A walk or sort that
  // fails (out of memory, say) is told like a failed save, and the previous
  // pair is loaded again.
  void Scan(char letter, bool skip_system_directories);

  // True while a scan runs: the progress window refuses to close then.
  bool scanning() const { return scanning_; }

 private:
  void EnterDirectory(std::string_view path, int found_directories) override;
  // The walk and the sort into the Loaded index; raises what they raise.
  void Build(char letter, bool skip_system_directories);
  void Walk(const WalkOptions& options, WalkedTree& tree);

  LoadedIndex& index_;
  const IndexStore& store_;
  platform::DirectoryLister& lister_;
  ScanView& view_;
  WarningBox& warnings_;
  ListerMaker more_listers_;
  bool scanning_ = false;
  int bar_maximum_ = 0;
};

}  // namespace vyr
