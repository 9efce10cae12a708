// A profile in memory that keeps the order in which keys were first written.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/profile.h"

namespace vyr::test {

class FakeProfile final : public platform::Profile {
 public:
  std::map<std::string, std::string> values;  // "SECTION/KEY"
  std::vector<std::string> written;           // every write, "SECTION/KEY=value"
  bool refuse_writes = false;
  int writes_before_failure = -1;  // counts down; a write fails at 0

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) override {
    const auto it = values.find(Name(section, key));
    return it == values.end() ? std::string(fallback) : it->second;
  }

  bool WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    if (refuse_writes || writes_before_failure == 0) return false;
    if (writes_before_failure > 0) --writes_before_failure;
    values[Name(section, key)] = std::string(value);
    written.push_back(Name(section, key) + "=" + std::string(value));
    return true;
  }

  static std::string Name(std::string_view section, std::string_view key) {
    return std::string(section) + "/" + std::string(key);
  }
};

}  // namespace vyr::test
