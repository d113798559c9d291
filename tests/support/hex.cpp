#include "support/hex.h"

namespace tavi::testing {

std::string hex(std::string_view bytes) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string result;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!result.empty()) result += ' ';
    result += kDigits[byte >> 4];
    result += kDigits[byte & 0x0F];
  }
  return result;
}

}  // namespace tavi::testing
