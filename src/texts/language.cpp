#include "texts/language.h"

namespace tavi::texts {

LanguageIndex loadLanguage(const store::SettingsFiles& files) {
  if (!files.FlagExists(kLanguageFile)) return kCzech;
  return files.ReadIntFile(kLanguageFile);
}

void storeLanguage(store::SettingsFiles& files, LanguageIndex language) {
  files.WriteIntFile(kLanguageFile, language);
}

}  // namespace tavi::texts
