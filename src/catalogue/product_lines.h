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

struct ProductLine {
  ProductLineId id;
  // The main window's check box of the line.
  std::string_view checkBox;
  // Present while the line is switched on.
  std::string_view flagFile;
  // Caption by language: Czech, English, German, Swedish, Russian.
  std::array<std::string_view, texts::kLanguageCount> captions;
};

// The ten lines in id order, 1..10.
std::span<const ProductLine> allProductLines();

// Sets text to the caption of line id in the language. There is no default caption: an id
// outside 1..10 or a language outside 0..4 leaves text as it was passed.
void FAPreptech(ProductLineId id, std::string& text, texts::LanguageIndex language);

}  // namespace tavi::catalogue
