#include "platform/posix/locale_code_page.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace tavi::platform::posix {

namespace {

struct LanguageCodePage {
  std::string_view language;
  unsigned codePage;
};

constexpr LanguageCodePage kCodePages[] = {
    {"cs", 1250}, {"sk", 1250}, {"pl", 1250}, {"hu", 1250},  {"sl", 1250},  {"hr", 1250},
    {"ro", 1250}, {"sq", 1250}, {"bs", 1250}, {"hsb", 1250}, {"dsb", 1250}, {"tk", 1250},
    {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251},  {"sr", 1251},  {"mk", 1251},
    {"kk", 1251}, {"ky", 1251}, {"tt", 1251}, {"mn", 1251},  {"ba", 1251},  {"sah", 1251},
    {"tg", 1251}, {"el", 1253}, {"tr", 1254}, {"az", 1254},  {"uz", 1254},  {"he", 1255},
    {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"ps", 1256},  {"ug", 1256},  {"et", 1257},
    {"lv", 1257}, {"lt", 1257}, {"vi", 1258}, {"th", 874},   {"ja", 932},   {"ko", 949},
    {"zh", 936},
};

bool isOneOf(std::string_view value, std::initializer_list<std::string_view> candidates) {
  return std::find(candidates.begin(), candidates.end(), value) != candidates.end();
}

}  // namespace

unsigned codePageForLocale(std::string_view locale) {
  // language[_territory][.codeset][@modifier]
  const std::size_t languageEnd = locale.find_first_of("_.@");
  const std::string_view language = locale.substr(0, languageEnd);
  std::string_view territory;
  if (languageEnd != std::string_view::npos && locale[languageEnd] == '_') {
    const std::string_view rest = locale.substr(languageEnd + 1);
    territory = rest.substr(0, rest.find_first_of(".@"));
  }
  const std::size_t at = locale.find('@');
  const std::string_view modifier =
      at == std::string_view::npos ? std::string_view{} : locale.substr(at + 1);

  // Scripts that differ from the language's usual one.
  if (modifier == "latin" && isOneOf(language, {"sr", "bs"})) return 1250;
  if (modifier == "cyrillic" && isOneOf(language, {"uz", "az", "bs"})) return 1251;
  if (language == "zh" && isOneOf(territory, {"TW", "HK", "MO"})) return 950;

  for (const LanguageCodePage& entry : kCodePages) {
    if (entry.language == language) return entry.codePage;
  }
  return 1252;
}

unsigned codePageFromEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return codePageForLocale(value);
  }
  return 1252;
}

}  // namespace tavi::platform::posix
