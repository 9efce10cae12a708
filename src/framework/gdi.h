// Fonts and GDI objects that live for the whole run.
#pragma once

#include <windows.h>

namespace vyr::framework {

// The windows' font: "ＭＳ Ｐゴシック", 12 pixels, Shift-JIS, not scaled.
HFONT UiFont();
// The same face, bold, `height` pixels.
HFONT BoldUiFont(int height);
// "ＭＳ ゴシック", 12 pixels (the drive box).
HFONT FixedFont();
struct FontStyle {
  bool bold = false;
  bool underline = false;
  auto operator<=>(const FontStyle&) const = default;
};
// Any face at `height` pixels (the progress window's drive letter, the about
// box's link).
HFONT FaceFont(const char* face, int height, FontStyle style = {});

// The width in pixels of `text` drawn in `font`.
int TextWidth(HWND window, HFONT font, const char* text);

// Applies `font` to a window and all its children.
void SetFontTree(HWND window, HFONT font);

}  // namespace vyr::framework
