#include "platform/windows/wide_text.h"

#include "platform/utf16.h"

namespace tavi::platform::windows {

// wchar_t holds UTF-16 on Windows.
std::wstring widen(std::string_view text) {
  const std::u16string units = utf16::fromUtf8(text);
  return std::wstring(units.begin(), units.end());
}

std::string narrow(std::wstring_view text) {
  return utf16::toUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace tavi::platform::windows
