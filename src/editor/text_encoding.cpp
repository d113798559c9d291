#include "editor/text_encoding.h"

#include <cstddef>
#include <cstdint>

namespace tavi::editor {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The next code point of UTF-8 text; an ill-formed sequence yields U+FFFD and is skipped
// byte by byte, so nothing after it is lost.
char32_t nextUtf8(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  std::size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1Fu;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0Fu;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07u;
    minimum = 0x10000;
  }
  if (length == 0 || i + length > text.size()) {
    ++i;
    return kReplacement;
  }
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0u) != 0x80u) {
      ++i;
      return kReplacement;
    }
    c = (c << 6) | (byte(i + k) & 0x3Fu);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kReplacement;
  }
  i += length;
  return c;
}

std::string wellFormedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();)
    appendUtf8(out, nextUtf8(text, i));
  return out;
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
    const char32_t high = unit(i);
    i += 2;
    if (high >= 0xD800 && high <= 0xDBFF && i + 1 < bytes.size()) {
      const char32_t low = unit(i);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        i += 2;
        appendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
        continue;
      }
    }
    appendUtf8(out, high);  // a lone surrogate becomes U+FFFD there
  }
  if (i < bytes.size()) appendUtf8(out, kReplacement);  // an odd last byte
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
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = nextUtf8(text, i);
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
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
