#pragma once

#include <windows.h>

#include <string>

namespace tavi::frontends::win32 {

// Measures text as the screen draws it, in one memory context kept for every measurement:
// a window's own context costs the system a round trip each time, and a window shows some
// two hundred captions.
class TextMeasure {
 public:
  TextMeasure();
  TextMeasure(const TextMeasure&) = delete;
  TextMeasure& operator=(const TextMeasure&) = delete;
  ~TextMeasure();

  // The size of a single line of text in a font.
  SIZE extent(HFONT font, const std::wstring& text) const;
  // The size of a text wrapped at word breaks to the width, as a wrapping label draws it.
  SIZE wrappedExtent(HFONT font, const std::wstring& text, int width) const;
  // The line height of a font (its character cell height).
  int lineHeight(HFONT font) const;

 private:
  HDC dc_;
};

}  // namespace tavi::frontends::win32
