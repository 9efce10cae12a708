// One log that every fake writes to, a line per effect, so that a test
// asserts the order of effects across views and seams in one comparison.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vyr::test {

class EffectLog {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  const std::vector<std::string>& lines() const { return lines_; }
  // The lines so far, leaving the log empty for the next step of a test.
  std::vector<std::string> Take() { return std::exchange(lines_, {}); }

 private:
  std::vector<std::string> lines_;
};

// A fake's place in the log: it writes nothing until a test gives it one.
class LogsEffects {
 public:
  explicit LogsEffects(EffectLog& log) : log_(log) {}

 protected:
  void Log(std::string line) const { log_.Add(std::move(line)); }

 private:
  EffectLog& log_;
};

}  // namespace vyr::test
