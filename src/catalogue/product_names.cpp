#include "catalogue/product_names.h"

#include <algorithm>
#include <cstddef>

#include "catalogue/product_groups.h"
#include "catalogue/product_name_table.h"

namespace tavi::catalogue {

std::string_view FADoplnky(ProductIndex index, texts::LanguageIndex language) {
  const ProductGroup* group = groupOfProduct(index);
  if (group == nullptr) return kUnknownProductName;
  const bool knownLanguage = texts::isKnownLanguage(language);
  if (group->namesFollowLanguage && !knownLanguage) return kUnknownProductName;

  const auto translated = translatedNameRows();
  const auto translation = std::ranges::find(translated, index, &TranslatedNameRow::index);
  if (translation != translated.end() && knownLanguage) {
    return translation->names[static_cast<std::size_t>(language)];
  }
  const auto names = productNameRows();
  const auto row = std::ranges::find(names, index, &ProductNameRow::index);
  return row == names.end() ? kUnknownProductName : row->name;
}

}  // namespace tavi::catalogue
