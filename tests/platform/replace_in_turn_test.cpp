#include "platform/replace_in_turn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vyr::platform {
namespace {

// Writes down every step, and fails the one named.
class StepLog final : public SaveSteps {
 public:
  explicit StepLog(std::string failing) : failing_(std::move(failing)) {}

  bool WriteThrough(const std::string& path, std::string_view) override {
    return Step("write " + path);
  }
  bool Remove(const std::string& path) override { return Step("remove " + path); }
  bool Rename(const std::string& from, const std::string& to) override {
    return Step("rename " + from + " " + to);
  }

  std::vector<std::string> steps;

 private:
  bool Step(std::string step) {
    steps.push_back(step);
    return step != failing_;
  }

  std::string failing_;
};

TEST(ReplaceInTurnTest, LastFileGoesFirstAndAFailureLeavesNoTemporary) {
  const FileWrite pair[] = {{"n", "names"}, {"p", "paths"}};
  const struct {
    const char* failing;
    bool complete;
    std::vector<std::string> steps;
  } cases[] = {
      {"", true, {"write n.tmp", "write p.tmp", "remove p", "rename n.tmp n", "rename p.tmp p"}},
      // Before the renames: the old pair stays whole.
      {"write p.tmp", false, {"write n.tmp", "write p.tmp", "remove n.tmp", "remove p.tmp"}},
      {"remove p",
       false,
       {"write n.tmp", "write p.tmp", "remove p", "remove n.tmp", "remove p.tmp"}},
      // Between the renames: new names without paths, which counts as no pair.
      {"rename p.tmp p",
       false,
       {"write n.tmp", "write p.tmp", "remove p", "rename n.tmp n", "rename p.tmp p",
        "remove p.tmp"}},
  };
  for (const auto& c : cases) {
    StepLog log(c.failing);
    EXPECT_EQ(ReplaceInTurn(log, pair), c.complete) << c.failing;
    EXPECT_EQ(log.steps, c.steps) << c.failing;
  }
}

TEST(ReplaceInTurnTest, ASingleFileReplacesItsOldSelfWithoutRemovingIt) {
  const FileWrite settings[] = {{"s", "values"}};
  StepLog log("");
  EXPECT_TRUE(ReplaceInTurn(log, settings));
  EXPECT_EQ(log.steps, (std::vector<std::string>{"write s.tmp", "rename s.tmp s"}));
}

}  // namespace
}  // namespace vyr::platform
