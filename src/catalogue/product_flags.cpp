#include "catalogue/product_flags.h"

#include <stdexcept>

#include "catalogue/product_groups.h"
#include "store/settings_paths.h"

namespace tavi::catalogue {

namespace {

// "DopButt57.dat" for product 57.
std::string productFlagName(ProductIndex index) {
  if (!isProduct(index)) {
    throw std::invalid_argument("no product has the index " + std::to_string(index));
  }
  return "DopButt" + std::to_string(index) + ".dat";
}

}  // namespace

std::string productFlagPath(ProductIndex index) {
  return std::string(store::kProductFlagFolder) + productFlagName(index);
}

bool isProductSelected(const store::SettingsFiles& files, ProductIndex index) {
  return files.FlagExists(productFlagPath(index));
}

SelectedProducts::SelectedProducts(const store::SettingsFiles& files)
    : flags_(files.FlagsIn(store::kProductFlagFolder)) {}

bool SelectedProducts::contains(ProductIndex index) const {
  return flags_.contains(productFlagName(index));
}

void selectProduct(store::SettingsFiles& files, ProductIndex index) {
  files.SetFlag(productFlagPath(index));
}

void deselectProduct(store::SettingsFiles& files, ProductIndex index) {
  files.ClearFlag(productFlagPath(index));
}

}  // namespace tavi::catalogue
