#pragma once

#include <cstddef>
#include <string_view>

namespace tavi::texts {

// The number of characters that a person sees in a UTF-8 text, never its bytes: "ř" is one
// character whether it is written as one code point or as "r" and a combining caron. A byte
// that is not valid UTF-8 counts as one character, as it shows as one replacement mark.
std::size_t characterCount(std::string_view utf8);

}  // namespace tavi::texts
