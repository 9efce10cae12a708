// Settings files in memory: one profile per path, kept after the program
// lets go of it, so that a test reads what the exit save wrote.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "fakes/fake_profile.h"
#include "settings/settings_file.h"

namespace vyr::test {

class FakeSettingsFiles {
 public:
  std::map<std::string, FakeProfile> files;

  // No file operations: a write through a copy writes the profile directly.
  SettingsFiles Files() {
    return {[this](std::string path) -> std::unique_ptr<platform::Profile> {
      return std::make_unique<Forward>(files[path]);
    }};
  }

 private:
  class Forward final : public platform::Profile {
   public:
    explicit Forward(FakeProfile& profile) : profile_(profile) {}
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override {
      return profile_.ReadString(section, key, fallback);
    }
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
      return profile_.WriteString(section, key, value);
    }

   private:
    FakeProfile& profile_;
  };
};

}  // namespace vyr::test
