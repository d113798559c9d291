#pragma once

namespace tavi::texts {

// True for a mark that combines with the character before it (an accent written as a code
// point of its own, as in "r" followed by U+030C), so that the two show as one character.
bool isCombiningMark(char32_t codePoint);

}  // namespace tavi::texts
