#include "texts/characters.h"

#include <cstdint>
#include <optional>

#include "texts/combining_marks.h"

namespace tavi::texts {
namespace {

struct Decoded {
  char32_t codePoint;
  std::size_t length;
};

// The code point at the start of the text, or nothing when its bytes are not valid UTF-8
// (a stray continuation byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
std::optional<Decoded> decodeFirst(std::string_view text) {
  const auto lead = static_cast<std::uint8_t>(text.front());
  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;
  if (lead < 0x80) return Decoded{lead, 1};
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    codePoint = lead & 0x1Fu;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    codePoint = lead & 0x0Fu;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    codePoint = lead & 0x07u;
    smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(text[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) return std::nullopt;
  return Decoded{codePoint, length};
}

}  // namespace

std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  while (!utf8.empty()) {
    const std::optional<Decoded> decoded = decodeFirst(utf8);
    if (!decoded) {
      ++count;
      utf8.remove_prefix(1);
      continue;
    }
    if (!isCombiningMark(decoded->codePoint)) ++count;
    utf8.remove_prefix(decoded->length);
  }
  return count;
}

}  // namespace tavi::texts
