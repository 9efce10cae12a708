// The work-area clamp applied to a window of ours: start-up places the main
// window, the Chooser and the Mini window with it, and the Mini window again
// each time it is shown.
#pragma once

#include <windows.h>

#include "framework/window_handle.h"
#include "ui/work_area.h"

namespace vyr {

// Moves a window back inside the screen's work area.
inline void KeepInWorkArea(const framework::WindowHandle& window) {
  RECT area = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const RECT bounds = window.Bounds();
  const Position place = ClampToWorkArea({bounds.left, bounds.top, bounds.right, bounds.bottom},
                                         {area.left, area.top, area.right, area.bottom});
  window.MoveTo(place.left, place.top);
}

}  // namespace vyr
