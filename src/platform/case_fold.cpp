#include "platform/case_fold.h"

#include <algorithm>

#include "platform/utf8.h"

namespace tavi::platform {

namespace {

bool between(char32_t c, char32_t low, char32_t high) {
  return c >= low && c <= high;
}
bool isEven(char32_t c) {
  return c % 2 == 0;
}

}  // namespace

// Folds to lower case. Dotted and dotless i, long s and kra keep their own identity, as in
// the case table of Windows file systems.
char32_t foldCase(char32_t c) {
  if (between(c, U'A', U'Z')) return c + 0x20;
  if (c < 0xC0) return c;
  if (between(c, 0xC0, 0xDE) && c != 0xD7) return c + 0x20;  // Latin-1, without ×
  if (c == 0x178) return 0xFF;                               // Ÿ
  if (between(c, 0x100, 0x12F) || between(c, 0x132, 0x137) || between(c, 0x14A, 0x177)) {
    return isEven(c) ? c + 1 : c;
  }
  if (between(c, 0x139, 0x148) || between(c, 0x179, 0x17E)) return isEven(c) ? c : c + 1;
  // Greek
  if (c == 0x386) return 0x3AC;
  if (between(c, 0x388, 0x38A)) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (between(c, 0x38E, 0x38F)) return c + 0x3F;
  if (between(c, 0x391, 0x3AB) && c != 0x3A2) return c + 0x20;
  if (c == 0x3C2) return 0x3C3;  // final sigma is upper-cased to Σ like σ
  // Cyrillic
  if (between(c, 0x400, 0x40F)) return c + 0x50;
  if (between(c, 0x410, 0x42F)) return c + 0x20;
  if (between(c, 0x460, 0x481) || between(c, 0x48A, 0x4BF) || between(c, 0x4D0, 0x52F)) {
    return isEven(c) ? c + 1 : c;
  }
  if (c == 0x4C0) return 0x4CF;
  if (between(c, 0x4C1, 0x4CE)) return isEven(c) ? c : c + 1;
  return c;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a == b) return true;
  if (!utf8::isWellFormed(a) || !utf8::isWellFormed(b)) return false;
  const std::u32string left = utf8::decode(a);
  const std::u32string right = utf8::decode(b);
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (foldCase(left[i]) != foldCase(right[i])) return false;
  }
  return true;
}

std::string foldedName(std::string_view name) {
  // Nearly every name the programs look up is ASCII: fold it without decoding.
  if (std::ranges::all_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    std::string folded(name);
    for (char& c : folded) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    }
    return folded;
  }
  // A byte that never occurs in well-formed UTF-8 sets ill-formed names apart: they match only
  // themselves.
  if (!utf8::isWellFormed(name)) return '\xFF' + std::string(name);
  std::u32string folded = utf8::decode(name);
  for (char32_t& c : folded)
    c = foldCase(c);
  return utf8::encode(folded);
}

}  // namespace tavi::platform
