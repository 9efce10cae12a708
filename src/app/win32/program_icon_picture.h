// The picture of a launch-menu item: the program file's icon on the
// button-face colour.
#pragma once

#include <string>

#include "framework/scoped_handles.h"

namespace vyr {

// The program's own small icon (16 x 16), else its large one (32 x 32); a
// program without icons shows the icon of its type, scaled to 16 x 16. With
// no icon at all the picture is 16 x 16 of the button face alone.
framework::ScopedBitmap ProgramIconPicture(const std::string& program);

}  // namespace vyr
