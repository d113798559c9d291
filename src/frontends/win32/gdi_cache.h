#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "forms/color.h"
#include "forms/font.h"
#include "frontends/win32/scale.h"
#include "frontends/win32/text_measure.h"

namespace tavi::frontends::win32 {

// A model colour on this desktop: RGB as it is, system colours from the current scheme.
// Inherit has no value of its own and yields `inherited`.
COLORREF colorRef(const forms::Color& color, COLORREF inherited);

// Brushes by colour and fonts by face, height and weight, made once and kept while any
// window may still draw with them; and the context that measures text in those fonts.
class GdiCache {
 public:
  GdiCache() = default;
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;
  ~GdiCache();

  HBRUSH brush(COLORREF color);
  HFONT font(const forms::Font& font, const Scale& scale);
  const TextMeasure& text() const { return text_; }

 private:
  std::map<COLORREF, HBRUSH> brushes_;
  std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
  TextMeasure text_;
};

}  // namespace tavi::frontends::win32
