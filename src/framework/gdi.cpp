#include "framework/gdi.h"

#include <cstring>
#include <map>
#include <string>
#include <tuple>

#include "framework/framework_texts.h"
#include "framework/scoped_handles.h"

namespace vyr::framework {

HFONT FaceFont(const char* face, int height, FontStyle style) {
  // Fonts are made once per face, size and style and kept until the process
  // ends.
  static std::map<std::tuple<std::string, int, FontStyle>, ScopedFont> fonts;
  ScopedFont& font = fonts[{face, height, style}];
  if (!font) {
    font.reset(CreateFontA(-height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE,
                           style.underline ? TRUE : FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, face));
  }
  return font.get();
}

HFONT UiFont() { return FaceFont(texts::kUiFontName, 12); }
HFONT BoldUiFont(int height) {
  return FaceFont(texts::kUiFontName, height, {.bold = true});
}
HFONT FixedFont() { return FaceFont(texts::kFixedFontName, 12); }

int TextWidth(HWND window, HFONT font, const char* text) {
  const ScopedWindowDc dc(window);
  const ScopedSelect selected(dc.get(), font);
  SIZE size = {};
  GetTextExtentPoint32A(dc.get(), text, static_cast<int>(std::strlen(text)), &size);
  return size.cx;
}

namespace {

BOOL CALLBACK SetChildFont(HWND child, LPARAM font) {
  SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

}  // namespace

void SetFontTree(HWND window, HFONT font) {
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  EnumChildWindows(window, SetChildFont, reinterpret_cast<LPARAM>(font));
}

}  // namespace vyr::framework
