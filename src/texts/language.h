#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "store/settings_files.h"
#include "store/settings_paths.h"

namespace tavi::texts {

// The user-interface language of the suite: 0 Czech, 1 English, 2 German, 3 Swedish,
// 4 Russian. Any other value may come from the language file and is kept as it is.
using LanguageIndex = std::int32_t;

inline constexpr LanguageIndex kCzech = 0;
inline constexpr LanguageIndex kEnglish = 1;
inline constexpr LanguageIndex kGerman = 2;
inline constexpr LanguageIndex kSwedish = 3;
inline constexpr LanguageIndex kRussian = 4;
inline constexpr LanguageIndex kLanguageCount = 5;

// The one place where the choice of language survives between runs; an integer file.
// The installer looks for the same name on its medium.
inline constexpr std::string_view kLanguageFileName = "dLangv.dat";
inline constexpr std::string_view kLanguageFile =
    store::windowsPath<store::kSettingsFolder, kLanguageFileName>;

// What a screen reader calls a language chooser: the person may not read the current language.
inline constexpr std::string_view kLanguageChoiceName = "Jazyk / Language / Sprache / Språk / Язык";

// The items of the language choosers; an item's position is its language index.
inline constexpr std::array<std::string_view, kLanguageCount> kLanguageCaptions = {
    "Česky", "English", "Deutsche", "Svenska", "Русский"};

constexpr bool isKnownLanguage(LanguageIndex language) {
  return language >= 0 && language < kLanguageCount;
}

// The stored language, or Czech when none is stored. The value is not checked: every lookup
// under an unknown language gives its default text.
LanguageIndex loadLanguage(const store::SettingsFiles& files);

void storeLanguage(store::SettingsFiles& files, LanguageIndex language);

}  // namespace tavi::texts
