#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "texts/language.h"

namespace tavi::catalogue {

// Product lines are switched on or off as a whole, not product by product.
using ProductLineId = std::int32_t;

// The main window's box and flag file of each line are in the settings catalogue
// (store::productLineFlags).
struct ProductLine {
  ProductLineId id;
  // Caption by language: Czech, English, German, Swedish, Russian.
  std::array<std::string_view, texts::kLanguageCount> captions;
};

// The ten lines in id order, 1..10.
std::span<const ProductLine> allProductLines();

// Sets text to the caption of line id in the language. There is no default caption: an id
// outside 1..10 or a language outside 0..4 leaves text as it was passed.
void FAPreptech(ProductLineId id, std::string& text, texts::LanguageIndex language);

}  // namespace tavi::catalogue
