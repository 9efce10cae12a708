// What a walk tells of its progress.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "index/directory_walk.h"

namespace vyr::test {

// Every directory the walk said it entered, with the counter then.
class RecordingProgress final : public WalkProgress {
 public:
  std::vector<std::pair<std::string, int>> entered;
  void EnterDirectory(std::string_view path, int found) override {
    entered.emplace_back(std::string(path), found);
  }
};

}  // namespace vyr::test
