#include "catalogue/product_flags.h"

#include <stdexcept>

#include "catalogue/product_groups.h"
#include "store/settings_paths.h"

namespace tavi::catalogue {

std::string productFlagPath(ProductIndex index) {
  if (!isProduct(index)) {
    throw std::invalid_argument("no product has the index " + std::to_string(index));
  }
  return std::string(store::kProductFlagFolder) + "DopButt" + std::to_string(index) + ".dat";
}

bool isProductSelected(const store::SettingsFiles& files, ProductIndex index) {
  return files.FlagExists(productFlagPath(index));
}

void selectProduct(store::SettingsFiles& files, ProductIndex index) {
  files.SetFlag(productFlagPath(index));
}

void deselectProduct(store::SettingsFiles& files, ProductIndex index) {
  files.ClearFlag(productFlagPath(index));
}

}  // namespace tavi::catalogue
