#include "app/win32/program_icon_picture.h"

#include <shellapi.h>

#include <climits>

namespace vyr {
namespace {

constexpr int kSmall = 16;
constexpr int kLarge = 32;

// A `size`-pixel square of the button-face colour with `icon` drawn at its
// top-left corner: at the icon's own size, or at the square's when `scaled`.
framework::ScopedBitmap IconPicture(HICON icon, int size, bool scaled) {
  const framework::ScopedWindowDc screen(nullptr);
  framework::ScopedBitmap picture(CreateCompatibleBitmap(screen.get(), size, size));
  const framework::ScopedCreatedDc dc(CreateCompatibleDC(screen.get()));
  if (!picture || !dc) return picture;
  const framework::ScopedSelect selected(dc.get(), picture.get());
  const framework::ScopedBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  const RECT all = {0, 0, size, size};
  FillRect(dc.get(), &all, face.get());
  if (icon != nullptr) {
    const int drawn = scaled ? size : 0;  // 0: the icon's own size
    DrawIconEx(dc.get(), 0, 0, icon, drawn, drawn, 0, nullptr, DI_NORMAL);
  }
  return picture;
}

}  // namespace

framework::ScopedBitmap ProgramIconPicture(const std::string& program) {
  HICON large = nullptr;
  HICON small = nullptr;
  const UINT extracted = ExtractIconExA(program.c_str(), 0, &large, &small, 1);
  // When it extracts nothing (0, or all bits set for a file it cannot read)
  // the two handles may hold anything.
  const bool got_any = extracted != 0 && extracted != UINT_MAX;
  const framework::ScopedIcon large_icon(got_any ? large : nullptr);
  const framework::ScopedIcon small_icon(got_any ? small : nullptr);
  if (small_icon) return IconPicture(small_icon.get(), kSmall, false);
  if (large_icon) return IconPicture(large_icon.get(), kLarge, false);
  // The call may write the path of the icon's file into the buffer.
  char path[MAX_PATH] = {};
  lstrcpynA(path, program.c_str(), MAX_PATH);
  WORD index = 0;
  const framework::ScopedIcon associated(
      ExtractAssociatedIconA(GetModuleHandleA(nullptr), path, &index));
  // Normally of the large size: scaled, so that the whole of it shows.
  return IconPicture(associated.get(), kSmall, true);
}

}  // namespace vyr
