#include "platform/replace_in_turn.h"

#include <vector>

namespace vyr::platform {

bool ReplaceInTurn(SaveSteps& steps, std::span<const FileWrite> files) {
  std::vector<std::string> temporaries;
  bool complete = true;
  for (std::size_t k = 0; k < files.size() && complete; ++k) {
    temporaries.push_back(files[k].path + ".tmp");
    complete = steps.WriteThrough(temporaries.back(), files[k].content);
  }
  // Files replaced together are whole only with the last of them, which
  // goes first: a failure or a kill between the renames then leaves a set
  // without it, which a reader takes for none, never old files beside new.
  // Where the system keeps a file that a reader holds open, such a reader
  // keeps every old file as it is.
  if (complete && files.size() > 1) complete = steps.Remove(files.back().path);
  for (std::size_t k = 0; k < temporaries.size(); ++k) {
    if (complete) complete = steps.Rename(temporaries[k], files[k].path);
    if (!complete) steps.Remove(temporaries[k]);
  }
  return complete;
}

}  // namespace vyr::platform
