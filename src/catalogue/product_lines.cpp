#include "catalogue/product_lines.h"

#include <cstddef>
#include <iterator>

namespace tavi::catalogue {
namespace {

constexpr ProductLine kProductLines[] = {
    {1,
     "Schlussler",
     R"(C:\KivTanOr5\datSchlu.dat)",
     {"Schüsslerovy soli", "Schüsslerovy salts", "Schüsslerovy salts", "Schüsslersalter",
      "Соли Schüssler"}},
    {2,
     "BachBox",
     R"(C:\KivTanOr5\datBB.dat)",
     {"Dr.Bach esence", "Dr.Bach esence", "Dr.Bach esence", "Dr.Bach esence", "Dr.Bach esence"}},
    {3, "Joalis", R"(C:\KivTanOr5\datJOA.dat)", {"Joalis", "Joalis", "Joalis", "Joalis", "Joalis"}},
    {4, "Energy", R"(C:\KivTanOr5\datENE.dat)", {"Energy", "Energy", "Energy", "Energy", "Energy"}},
    {5, "Nadeje", R"(C:\KivTanOr5\datNad.dat)", {"Naděje", "Nadeje", "Nadeje", "Nadeje", "Nadeje"}},
    {6,
     "Bioligo",
     R"(C:\KivTanOr5\datBIO.dat)",
     {"Bioligo", "Bioligo", "Bioligo", "Bioligo", "Bioligo"}},
    {7,
     "doTERRA",
     R"(C:\KivTanOr5\datDoTERR.dat)",
     {"dōTERRA", "dōTERRA", "dōTERRA", "dōTERRA", "dōTERRA"}},
    {8,
     "Australske",
     R"(C:\KivTanOr5\datAustr.dat)",
     {"Australské květové esence", "Australian flower essence", "Australische Blütenessenz",
      "Australiensisk blomma essens", "Австралийские цветочные сущности"}},
    {9,
     "HerbalExtracts",
     R"(C:\KivTanOr5\datHerbal.dat)",
     {"Bylinné extrakty", "Herbal extracts", "Kräuterextrakte", "Växtbaserade extrakt",
      "Травяные экстракты"}},
    {10,
     "Diochi",
     R"(C:\KivTanOr5\datDiochi.dat)",
     {"Diochi", "Diochi", "Diochi", "Diochi", "Diochi"}},
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
