#pragma once

#include <string>
#include <string_view>

namespace tavi::platform {

// One letter case for the letters Windows treats as equal in file names: ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic.
char32_t foldCase(char32_t codePoint);

// True when Windows would take both names for the same entry. Names that are not well-formed
// UTF-8 match only byte for byte.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// A key that two names share exactly when sameNameIgnoringCase takes them for the same entry.
std::string foldedName(std::string_view name);

}  // namespace tavi::platform
