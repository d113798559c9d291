#include "store/text_encoding.h"

#include <cstddef>
#include <string>

#include "platform/utf16.h"
#include "platform/utf8.h"

namespace tavi::store {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(
        static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  std::string out = platform::utf16::toUtf8(units);
  // An odd last byte is half a character.
  if (bytes.size() % 2 != 0) platform::utf8::append(out, platform::utf8::kReplacement);
  return out;
}

std::string utf8ToUtf16(std::string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (const char16_t unit : platform::utf16::fromUtf8(text)) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
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

}  // namespace tavi::store
