#include "ui/work_area.h"

namespace vyr {

Position ClampToWorkArea(const ScreenRect& window, const ScreenRect& work_area) {
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  Position position{window.left, window.top};
  if (work_area.right - width < window.left) {
    position.left = work_area.right - width;
  } else if (window.left < work_area.left) {
    position.left = work_area.left;
  }
  if (work_area.bottom - height < window.top) {
    position.top = work_area.bottom - height;
  } else if (window.top < 0) {
    position.top = work_area.top;
  }
  return position;
}

}  // namespace vyr
