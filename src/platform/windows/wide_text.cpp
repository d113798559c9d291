#include "platform/windows/wide_text.h"

#include "platform/utf8.h"

namespace tavi::platform::windows {

std::wstring widen(std::string_view text) {
  std::wstring result;
  result.reserve(text.size());
  for (const char32_t codePoint : utf8::decode(text)) {
    if (codePoint >= 0x10000) {
      const char32_t offset = codePoint - 0x10000;
      result.push_back(static_cast<wchar_t>(0xD800 + (offset >> 10)));
      result.push_back(static_cast<wchar_t>(0xDC00 + (offset & 0x3FF)));
    } else {
      result.push_back(static_cast<wchar_t>(codePoint));
    }
  }
  return result;
}

std::string narrow(std::wstring_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto unit = static_cast<char32_t>(static_cast<unsigned short>(text[i]));
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && i + 1 < text.size()) {
      const auto next = static_cast<char32_t>(static_cast<unsigned short>(text[i + 1]));
      if (next >= 0xDC00 && next <= 0xDFFF) {
        utf8::append(result, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        ++i;
        continue;
      }
    }
    utf8::append(result, unit);  // a lone surrogate is written as U+FFFD
  }
  return result;
}

}  // namespace tavi::platform::windows
