#include "framework/pictures.h"

namespace vyr::framework {

HBITMAP LoadPicture(int id, COLORREF key, COLORREF background) {
  auto bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return nullptr;
  DIBSECTION dib = {};
  if (GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24) {
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

HIMAGELIST LoadPictureStrip(int id, int size, COLORREF key) {
  auto strip = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
  if (strip == nullptr) return nullptr;
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 8, 0);
  ImageList_AddMasked(list, strip, key);
  DeleteObject(strip);
  return list;
}

}  // namespace vyr::framework
