#include "frontends/win32/wide_text.h"

#include "forms/literal_caption.h"
#include "platform/windows/wide_text.h"

namespace tavi::frontends::win32 {

std::wstring widen(std::string_view text) {
  return platform::windows::widen(text);
}

std::string narrow(std::wstring_view text) {
  return platform::windows::narrow(text);
}

std::wstring buttonCaption(std::string_view text) {
  return widen(forms::withLiteralAmpersands(text));
}

}  // namespace tavi::frontends::win32
