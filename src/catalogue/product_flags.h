#pragma once

#include <string>

#include "catalogue/product_index.h"
#include "store/settings_files.h"

namespace tavi::catalogue {

// A product is selected exactly while its empty flag file
// C:\KivTanOr5\PrepSwich\DopButt<index>.dat exists; the suite's other programs read these files.
//
// Every function here refuses an index that names no product (a gap such as 100, or anything
// outside 1..321) with std::invalid_argument before touching the drive, so no such file is ever
// read, written or deleted. Asking for one is a fault in the caller, not a user error.

// "C:\KivTanOr5\PrepSwich\DopButt57.dat" for product 57.
std::string productFlagPath(ProductIndex index);

bool isProductSelected(const store::SettingsFiles& files, ProductIndex index);

// Which products are selected, from one listing of the PrepSwich folder: a window that shows
// many products reads the folder once instead of once per product.
class SelectedProducts {
 public:
  explicit SelectedProducts(const store::SettingsFiles& files);
  bool contains(ProductIndex index) const;

 private:
  platform::FolderFiles flags_;
};

// Creates the flag file empty (truncating one that holds bytes). Throws the store's IoError when
// it cannot be written, a missing PrepSwich folder included; the folder is never created here.
void selectProduct(store::SettingsFiles& files, ProductIndex index);
// Deletes the flag file; a missing file or a failed deletion is ignored.
void deselectProduct(store::SettingsFiles& files, ProductIndex index);

}  // namespace tavi::catalogue
