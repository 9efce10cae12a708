// The machine's drives and volume labels, as a test names them; every label
// asked for is logged ("label c"), since asking is what loads an index.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "fakes/effect_log.h"
#include "platform/drives.h"
#include "platform/volumes.h"

namespace vyr::test {

class FakeDrives final : public platform::Drives, public platform::Volumes, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  std::vector<platform::DriveInfo> drives;
  char current = 0;
  std::map<char, std::string> labels;  // by lower-case letter

  // A fixed drive with its label.
  void AddFixed(char letter, std::string label) {
    drives.push_back({letter, platform::DriveType::kFixed, label, {}});
    labels[letter] = std::move(label);
  }

  std::vector<platform::DriveInfo> List() override { return drives; }
  char CurrentLetter() override { return current; }
  std::string Label(char letter) override {
    Log(std::string("label ") + letter);
    const auto it = labels.find(letter);
    return it == labels.end() ? std::string() : it->second;
  }
};

}  // namespace vyr::test
