#include "frontends/win32/text_measure.h"

namespace tavi::frontends::win32 {

namespace {

// Selects a font into the context for as long as it lives.
class SelectedFont {
 public:
  SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;
  ~SelectedFont() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace

TextMeasure::TextMeasure() : dc_(CreateCompatibleDC(nullptr)) {}

TextMeasure::~TextMeasure() {
  if (dc_ != nullptr) DeleteDC(dc_);
}

SIZE TextMeasure::extent(HFONT font, const std::wstring& text) const {
  SIZE size{0, 0};
  const SelectedFont selected(dc_, font);
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

SIZE TextMeasure::wrappedExtent(HFONT font, const std::wstring& text, int width) const {
  RECT area{0, 0, width, 0};
  const SelectedFont selected(dc_, font);
  DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &area,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return {area.right - area.left, area.bottom - area.top};
}

int TextMeasure::lineHeight(HFONT font) const {
  TEXTMETRICW metrics{};
  const SelectedFont selected(dc_, font);
  GetTextMetricsW(dc_, &metrics);
  return metrics.tmHeight;
}

}  // namespace tavi::frontends::win32
