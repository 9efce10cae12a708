#include "ui/work_area.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

// A window of `width` x `height` at `left`, `top`.
ScreenRect At(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

TEST(ClampToWorkArea, BringsWindowsBackInsideTheWorkArea) {
  const ScreenRect screen{0, 0, 1024, 738};  // a task bar 30 high at the bottom
  const ScreenRect bar_on_top{0, 30, 1024, 768};
  const ScreenRect bar_on_left{60, 0, 1024, 768};
  struct Case {
    const char* what;
    ScreenRect window, area;
    Position expected;
  };
  const Case cases[] = {
      {"inside stays", At(10, 10, 376, 76), screen, {10, 10}},
      {"MAINLEFT=5000: right edge on the area's", At(5000, 10, 376, 76), screen, {648, 10}},
      {"MAINTOP=-50: at the area's top", At(10, -50, 376, 76), screen, {10, 0}},
      {"MAINTOP=-50 under a top bar: below the bar", At(10, -50, 376, 76), bar_on_top, {10, 30}},
      {"MAINTOP=10 under a top bar stays", At(10, 10, 376, 76), bar_on_top, {10, 10}},
      {"MAINTOP=0 under a top bar stays", At(10, 0, 376, 76), bar_on_top, {10, 0}},
      {"below the bottom: bottom edge on the area's", At(10, 700, 300, 300), screen, {10, 438}},
      {"left of a left bar: on the area's left", At(20, 10, 300, 300), bar_on_left, {60, 10}},
      {"negative left: on the area's left", At(-400, 10, 300, 300), screen, {0, 10}},
      // Larger than the area: the far edge wins, the near one is outside.
      {"wider than the area", At(0, 10, 1200, 76), screen, {-176, 10}},
      {"taller than the area", At(10, 0, 300, 800), screen, {10, -62}},
      {"wider and taller, far away", At(3000, 3000, 1200, 800), bar_on_top, {-176, -32}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClampToWorkArea(c.window, c.area), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace vyr
