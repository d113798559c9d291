#pragma once

#include <array>
#include <span>
#include <string_view>

#include "catalogue/product_index.h"
#include "texts/language.h"

namespace tavi::catalogue {

// A product's name as the selection windows show it: blanks, hyphens and spelling are part of
// the caption and are kept exactly.
struct ProductNameRow {
  ProductIndex index;
  std::string_view name;
};

// A product whose name differs by language: Czech, English, German, Swedish, Russian.
struct TranslatedNameRow {
  ProductIndex index;
  std::array<std::string_view, texts::kLanguageCount> names;
};

// Every product's name (its Czech name where it has translations), group by group.
std::span<const ProductNameRow> productNameRows();
// The products with translated names.
std::span<const TranslatedNameRow> translatedNameRows();

}  // namespace tavi::catalogue
