#include "editor/text_encoding.h"

#include <cstddef>
#include <string>

#include "platform/utf8.h"

namespace tavi::editor {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool isHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  const auto unit = [&](std::size_t at) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return bigEndian ? (char32_t{first} << 8) | second : (char32_t{second} << 8) | first;
  };
  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i + 1 < bytes.size()) {
    const char32_t first = unit(i);
    i += 2;
    if (isHighSurrogate(first) && i + 1 < bytes.size() && isLowSurrogate(unit(i))) {
      platform::utf8::append(out, 0x10000 + ((first - 0xD800) << 10) + (unit(i) - 0xDC00));
      i += 2;
    } else {
      platform::utf8::append(out, first);  // a lone surrogate becomes U+FFFD
    }
  }
  if (i < bytes.size()) platform::utf8::append(out, platform::utf8::kReplacement);
  return out;
}

std::string utf8ToUtf16(std::string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  const auto put = [&](char32_t unit) {
    const auto high = static_cast<char>((unit >> 8) & 0xFF);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  };
  for (const char32_t c : platform::utf8::decode(text)) {
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
}

std::string wellFormedUtf8(std::string_view text) {
  return platform::utf8::encode(platform::utf8::decode(text));
}

}  // namespace

DecodedText decodeText(std::string_view bytes, const platform::Platform& platform) {
  if (bytes.starts_with(kUtf8Mark)) {
    return {wellFormedUtf8(bytes.substr(kUtf8Mark.size())), TextEncoding::Utf8};
  }
  if (bytes.starts_with(kUtf16LittleEndianMark)) {
    return {utf16ToUtf8(bytes.substr(kUtf16LittleEndianMark.size()), false),
            TextEncoding::Utf16LittleEndian};
  }
  if (bytes.starts_with(kUtf16BigEndianMark)) {
    return {utf16ToUtf8(bytes.substr(kUtf16BigEndianMark.size()), true),
            TextEncoding::Utf16BigEndian};
  }
  return {platform.fromAnsi(bytes), TextEncoding::Ansi};
}

std::string encodeText(std::string_view text, TextEncoding encoding,
                       const platform::Platform& platform) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return std::string(kUtf8Mark) + wellFormedUtf8(text);
    case TextEncoding::Utf16LittleEndian:
      return std::string(kUtf16LittleEndianMark) + utf8ToUtf16(text, false);
    case TextEncoding::Utf16BigEndian:
      return std::string(kUtf16BigEndianMark) + utf8ToUtf16(text, true);
    case TextEncoding::Ansi:
      break;
  }
  return platform.toAnsi(text);
}

}  // namespace tavi::editor
