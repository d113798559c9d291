#include "platform/utf16.h"

#include "platform/utf8.h"

namespace tavi::platform::utf16 {

namespace {

bool isHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::u16string fromUtf8(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  for (const char32_t codePoint : utf8::decode(text)) {
    if (codePoint >= 0x10000) {
      const char32_t offset = codePoint - 0x10000;
      units.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    } else {
      units.push_back(static_cast<char16_t>(codePoint));
    }
  }
  return units;
}

std::string toUtf8(std::u16string_view units) {
  std::string text;
  text.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
      utf8::append(text, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
      continue;
    }
    utf8::append(text, unit);  // a lone surrogate is written as U+FFFD
  }
  return text;
}

}  // namespace tavi::platform::utf16
