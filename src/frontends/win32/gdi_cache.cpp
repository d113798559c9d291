#include "frontends/win32/gdi_cache.h"

#include <algorithm>

#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

COLORREF colorRef(const forms::Color& color, COLORREF inherited) {
  using Kind = forms::Color::Kind;
  switch (color.kind) {
    case Kind::Inherit:
      return inherited;
    case Kind::Rgb:
      return RGB(color.red, color.green, color.blue);
    case Kind::ButtonFace:
      return GetSysColor(COLOR_BTNFACE);
    case Kind::WindowBackground:
      return GetSysColor(COLOR_WINDOW);
    case Kind::WindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case Kind::GrayText:
      return GetSysColor(COLOR_GRAYTEXT);
  }
  return inherited;
}

GdiCache::~GdiCache() {
  for (const auto& [color, brush] : brushes_)
    DeleteObject(brush);
  for (const auto& [key, font] : fonts_)
    DeleteObject(font);
}

HBRUSH GdiCache::brush(COLORREF color) {
  auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second;
  HBRUSH brush = CreateSolidBrush(color);
  brushes_.emplace(color, brush);
  return brush;
}

HFONT GdiCache::font(const forms::Font& font, const Scale& scale) {
  const int height = std::min(scale.fontHeight(font.pointSize), -1);
  const auto key = std::make_tuple(font.name, height, font.bold);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;

  LOGFONTW description{};
  description.lfHeight = height;
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = widen(font.name).substr(0, LF_FACESIZE - 1);
  std::copy(face.begin(), face.end(), description.lfFaceName);
  HFONT created = CreateFontIndirectW(&description);
  fonts_.emplace(key, created);
  return created;
}

}  // namespace tavi::frontends::win32
