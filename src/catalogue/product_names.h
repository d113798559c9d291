#pragma once

#include <string_view>

#include "catalogue/product_index.h"
#include "texts/language.h"

namespace tavi::catalogue {

inline constexpr std::string_view kUnknownProductName = "???????";

// The product's name in the language. An index that names no product gives "???????", and so
// does a language outside 0..4, except for the brands whose names never depend on the language.
std::string_view FADoplnky(ProductIndex index, texts::LanguageIndex language);

}  // namespace tavi::catalogue
