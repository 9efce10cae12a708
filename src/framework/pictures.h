// Pictures from the program's resources.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/scoped_handles.h"

namespace vyr::framework {

// The bitmap resource `id` with every pixel of `key` (the transparent colour)
// painted `background`; empty when there is no such resource.
ScopedBitmap LoadPicture(int id, COLORREF key, COLORREF background);

// An image list of `size`-pixel pictures cut from the strip resource `id`,
// `key` being transparent.
ScopedImageList LoadPictureStrip(int id, int size, COLORREF key);

}  // namespace vyr::framework
