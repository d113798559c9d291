#include "frontends/win32/wide_text.h"

#include "forms/literal_caption.h"

namespace tavi::frontends::win32 {

std::wstring buttonCaption(std::string_view text) {
  return widen(forms::withLiteralAmpersands(text));
}

}  // namespace tavi::frontends::win32
