// Where a window goes so that it stands inside the screen's work area.
#pragma once

namespace vyr {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const ScreenRect&) const = default;
};

struct Position {
  int left = 0;
  int top = 0;

  bool operator==(const Position&) const = default;
};

// The new left and top of `window` (its size unchanged) inside `work_area`.
// A window past the right or bottom edge is moved back onto it, one before
// the left edge or above the top onto that; a window larger than the work
// area ends with its right or bottom edge on the area's, the rest outside.
// The vertical test is against 0, not the area's top: a window between the
// screen's top and a task bar docked there is left where it is.
Position ClampToWorkArea(const ScreenRect& window, const ScreenRect& work_area);

}  // namespace vyr
