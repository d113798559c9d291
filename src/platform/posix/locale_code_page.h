#pragma once

#include <string_view>

namespace tavi::platform::posix {

// The ANSI code page that Windows gives a user of this locale ("cs_CZ.UTF-8" 1250,
// "ru_RU.UTF-8" 1251, "sr_RS@latin" 1250); 1252 for every other language and for "C".
unsigned codePageForLocale(std::string_view locale);

// The same for the user's locale: LC_ALL, else LC_CTYPE, else LANG.
unsigned codePageFromEnvironment();

}  // namespace tavi::platform::posix
