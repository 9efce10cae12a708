#ifndef _WIN32
#include "platform/posix/native_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace vyr::posix {
namespace {

// VYR_DRIVES as the test sets it, and as it was after.
class DrivesVariable {
 public:
  explicit DrivesVariable(const char* value) {
    if (const char* was = std::getenv("VYR_DRIVES")) was_ = was;
    if (value) {
      setenv("VYR_DRIVES", value, 1);
    } else {
      unsetenv("VYR_DRIVES");
    }
  }
  ~DrivesVariable() {
    if (was_) {
      setenv("VYR_DRIVES", was_->c_str(), 1);
    } else {
      unsetenv("VYR_DRIVES");
    }
  }

 private:
  std::optional<std::string> was_;
};

TEST(NativePathTest, DriveRootsComeFromTheVariable) {
  struct Case {
    const char* drives;
    char letter;
    std::optional<std::string> root;  // "" is the machine's root
  };
  const Case cases[] = {
      {"t=/srv/tree", 't', "/srv/tree"},
      {"a=/a;T=/srv/tree//", 't', "/srv/tree"},
      {"c=/", 'C', ""},
      {"a=/a", 't', std::nullopt},
      {nullptr, 't', std::nullopt},
      {"t=", 't', std::nullopt},  // an empty value maps nothing, never the machine's root
      {"t=;t=/b", 't', "/b"},
      {";;t", 't', std::nullopt},
  };
  for (const Case& c : cases) {
    const DrivesVariable drives(c.drives);
    EXPECT_EQ(DriveRoot(c.letter), c.root) << (c.drives ? c.drives : "(unset)");
  }
}

}  // namespace
}  // namespace vyr::posix
#endif
