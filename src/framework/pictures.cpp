#include "framework/pictures.h"

namespace vyr::framework {

ScopedBitmap LoadPicture(int id, COLORREF key, COLORREF background) {
  ScopedBitmap bitmap(static_cast<HBITMAP>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) return bitmap;
  DIBSECTION dib = {};
  if (GetObjectA(bitmap.get(), sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24) {
    return bitmap;
  }
  auto* row = static_cast<BYTE*>(dib.dsBm.bmBits);
  for (int y = 0; y < dib.dsBm.bmHeight; ++y, row += dib.dsBm.bmWidthBytes) {
    for (int x = 0; x < dib.dsBm.bmWidth; ++x) {
      BYTE* pixel = row + 3 * x;  // blue, green, red
      if (RGB(pixel[2], pixel[1], pixel[0]) == key) {
        pixel[0] = GetBValue(background);
        pixel[1] = GetGValue(background);
        pixel[2] = GetRValue(background);
      }
    }
  }
  return bitmap;
}

ScopedImageList LoadPictureStrip(int id, int size, COLORREF key) {
  const ScopedBitmap strip(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
  if (!strip) return {};
  ScopedImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 8, 0));
  // The list keeps copies of the pictures: the strip itself goes.
  if (list) ImageList_AddMasked(list.get(), strip.get(), key);
  return list;
}

}  // namespace vyr::framework
