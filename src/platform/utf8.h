#pragma once

#include <string>
#include <string_view>

// UTF-8 as the program holds its text, decoded and encoded the same way on every platform so
// that ill-formed text turns into the same replacement characters everywhere.
namespace tavi::platform::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// Each maximal ill-formed subsequence becomes one U+FFFD, as the Unicode standard recommends.
std::u32string decode(std::string_view text);
bool isWellFormed(std::string_view text);

// Surrogates and values beyond U+10FFFF are written as U+FFFD.
void append(std::string& out, char32_t codePoint);
std::string encode(std::u32string_view codePoints);

}  // namespace tavi::platform::utf8
