#include "catalogue/product_lines.h"

#include <cstddef>
#include <iterator>

namespace tavi::catalogue {
namespace {

constexpr ProductLine kProductLines[] = {
    {1,
     {"Schüsslerovy soli", "Schüsslerovy salts", "Schüsslerovy salts", "Schüsslersalter",
      "Соли Schüssler"}},
    {2, {"Dr.Bach esence", "Dr.Bach esence", "Dr.Bach esence", "Dr.Bach esence", "Dr.Bach esence"}},
    {3, {"Joalis", "Joalis", "Joalis", "Joalis", "Joalis"}},
    {4, {"Energy", "Energy", "Energy", "Energy", "Energy"}},
    {5, {"Naděje", "Nadeje", "Nadeje", "Nadeje", "Nadeje"}},
    {6, {"Bioligo", "Bioligo", "Bioligo", "Bioligo", "Bioligo"}},
    {7, {"dōTERRA", "dōTERRA", "dōTERRA", "dōTERRA", "dōTERRA"}},
    {8,
     {"Australské květové esence", "Australian flower essence", "Australische Blütenessenz",
      "Australiensisk blomma essens", "Австралийские цветочные сущности"}},
    {9,
     {"Bylinné extrakty", "Herbal extracts", "Kräuterextrakte", "Växtbaserade extrakt",
      "Травяные экстракты"}},
    {10, {"Diochi", "Diochi", "Diochi", "Diochi", "Diochi"}},
};

}  // namespace

std::span<const ProductLine> allProductLines() {
  return kProductLines;
}

void FAPreptech(ProductLineId id, std::string& text, texts::LanguageIndex language) {
  if (id < 1 || id > std::ssize(kProductLines) || !texts::isKnownLanguage(language)) return;
  text = kProductLines[id - 1].captions[static_cast<std::size_t>(language)];
}

}  // namespace tavi::catalogue
