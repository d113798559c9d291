#include "frontends/win32/wide_text.h"

#include <windows.h>

#include "forms/literal_caption.h"

namespace tavi::frontends::win32 {

std::wstring widen(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrowed(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrowed.data(), length, nullptr, nullptr);
  return narrowed;
}

std::wstring buttonCaption(std::string_view text) {
  return widen(forms::withLiteralAmpersands(text));
}

}  // namespace tavi::frontends::win32
