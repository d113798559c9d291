#include "platform/utf8.h"

#include <cstddef>

namespace tavi::platform::utf8 {

namespace {

struct Step {
  char32_t codePoint;
  std::size_t length;
  bool wellFormed;
};

bool inRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// One character, or one maximal ill-formed subsequence, starting at text[at].
Step decodeOne(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1, true};

  std::size_t length = 0;
  char32_t value = 0;
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
  if (inRange(lead, 0xC2, 0xDF)) {
    length = 2;
    value = lead & 0x1F;
  } else if (inRange(lead, 0xE0, 0xEF)) {
    length = 3;
    value = lead & 0x0F;
    if (lead == 0xE0) secondLow = 0xA0;
    if (lead == 0xED) secondHigh = 0x9F;  // no surrogates
  } else if (inRange(lead, 0xF0, 0xF4)) {
    length = 4;
    value = lead & 0x07;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return {kReplacement, 1, false};
  }

  for (std::size_t i = 1; i < length; ++i) {
    if (at + i >= text.size()) return {kReplacement, i, false};
    const auto byte = static_cast<unsigned char>(text[at + i]);
    const bool fits = i == 1 ? inRange(byte, secondLow, secondHigh) : inRange(byte, 0x80, 0xBF);
    if (!fits) return {kReplacement, i, false};
    value = (value << 6) | (byte & 0x3F);
  }
  return {value, length, true};
}

}  // namespace

std::u32string decode(std::string_view text) {
  std::u32string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Step step = decodeOne(text, at);
    result.push_back(step.codePoint);
    at += step.length;
  }
  return result;
}

bool isWellFormed(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Step step = decodeOne(text, at);
    if (!step.wellFormed) return false;
    at += step.length;
  }
  return true;
}

void append(std::string& out, char32_t codePoint) {
  if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) {
    codePoint = kReplacement;
  }
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

std::string encode(std::u32string_view codePoints) {
  std::string result;
  result.reserve(codePoints.size());
  for (const char32_t codePoint : codePoints)
    append(result, codePoint);
  return result;
}

}  // namespace tavi::platform::utf8
