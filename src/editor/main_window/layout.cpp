#include <initializer_list>
#include <string>

#include "editor/main_window/flag_strip.h"
#include "editor/main_window/main_window.h"
#include "texts/language.h"
#include "texts/main_window_table.h"

namespace tavi::editor {
namespace {

using forms::Rect;

// The option boxes of the left column, one below the other.
constexpr Rect option(int row, int left = 12, int width = 256) {
  return {left, 107 + row * 17, width, 17};
}

// The product-line boxes of the middle column and their "i" buttons.
constexpr int productLineTop(int row) {
  return 147 + row * 21;
}
constexpr Rect productLine(int row) {
  return {280, productLineTop(row) + 1, 162, 17};
}
constexpr Rect productLineInfo(int row) {
  return {444, productLineTop(row), 16, 19};
}

// The 17 group rows share the height from 162 to 539 evenly, so the 25-pixel open buttons
// touch their neighbours by a pixel or two, as the window has always been drawn.
constexpr int groupTop(int row) {
  return 162 + (row * 377 + 8) / 16;
}
constexpr Rect allIndicator(int row) {
  return {546, groupTop(row) + 3, 14, 19};
}
constexpr Rect anyIndicator(int row) {
  return {560, groupTop(row) + 3, 14, 19};
}
constexpr Rect selectAllButton(int row) {
  return {574, groupTop(row) + 1, 12, 23};
}
constexpr Rect openButton(int row) {
  return {586, groupTop(row), 128, 25};
}

std::string designCaption() {
  return "Tavi Setting 3.01                              " + std::string(kMakerSite);
}

}  // namespace

TForm8::TForm8(forms::Application& app, WindowSet& windows)
    : EditorWindow(app, windows, texts::mainWindowTextTable(), "Form8", designCaption(), 732, 655),
      Edit2(*this, "Edit2", {11, 8, 140, 21}, "Cesta k adresáři:"),
      Label3(*this, "Label3", {159, 11, 60, 13}, "Příklad:"),
      Edit3(*this, "Edit3", {300, 8, 160, 21}, R"(C:\TaviTherapy\)"),
      Cesta(*this, "Cesta", {11, 32, 449, 21}, ""),
      CestaDBZ(*this, "CestaDBZ", {11, 57, 320, 21}, ""),
      Info_pouz(*this, "Info_pouz", {338, 55, 90, 25}, "Info"),
      BtDBZ(*this, "BtDBZ", {432, 55, 28, 25}, "DBZ"),
      SettingInfo(*this, "SettingInfo", {12, 81, 90, 25}, "Info"),
      BtColor(*this, "BtColor", {273, 81, 90, 25}, "Barva"),

      ProcZatTl(*this, "ProcZatTl", {550, 8, 13, 21}, "Z"),
      StavPredTl(*this, "StavPredTl", {563, 8, 11, 21}, "V"),
      Ther6(*this, "Ther6", {575, 8, 11, 21}, "6"),
      RozsireniSWE(*this, "RozsireniSWE", {586, 8, 10, 21}, "S"),
      ResetAll(*this, "ResetAll", {596, 8, 30, 21}, "Res"),
      COM(*this, "COM", {630, 12, 28, 13}, "COM:"),
      COM_Nr(*this, "COM_Nr", {660, 8, 47, 21}, ""),
      Image1(*this, "Image1", {550, 56, 153, 23}),
      InfoPC(*this, "InfoPC", {548, 81, 159, 25}, "Nastavení PC"),

      Podadresar(*this, "Podadresar", option(0), "Vytvořit podadresář    Program a Protocol"),
      PrgRavo(*this, "PrgRavo", option(1), "Import do RavoRife"),
      PrgElzapp(*this, "PrgElzapp", option(2), "Import do ELZapp"),
      AddFile(*this, "AddFile", option(3), "Programy z Nev Ludrin"),
      EmailTiming(*this, "EmailTiming", option(4), "Email Timing"),
      PosF(*this, "PosF", option(5, 12, 17), ""),
      PosF2(*this, "PosF2", option(5, 31, 150), "Pos. F,L,I,M"),
      VegeTXT(*this, "VegeTXT", option(6), "InsertTest použije z minule"),
      CheckProgram(*this, "CheckProgram", option(7), "Kontrola duplicity LUD"),
      OpenLast(*this, "OpenLast", option(8), "Zobrazit poslední data"),
      DetekMaxToDo(*this, "DetekMaxToDo", option(9), "Ideální + Maximální"),
      Automat(*this, "Automat", option(10), "Automat"),
      BezDiakrit(*this, "BezDiakrit", option(11, 12, 130), "Bez diakritiky"),
      BezDiakrit2(*this, "BezDiakrit2", option(11, 146, 122), "Bez diakritiky II"),
      ScaleWindows(*this, "ScaleWindows", option(12), "Zmenšení oken"),
      SlowPC(*this, "SlowPC", option(13), "Pomalý systém PC"),
      ProcZobr(*this, "ProcZobr", option(14), "Proc. [%]"),
      DarkColor(*this, "DarkColor", option(15), "Tmavý barevný motiv"),
      ProtokolSUMA(*this, "ProtokolSUMA", option(16), "Protokol - přehled"),
      YearFirs(*this, "YearFirs", option(17), "Rok je první"),
      NewVesion(*this, "NewVesion", option(18), "Nová verze Firmware v Nev"),
      NevT_Color(*this, "NevT_Color", option(19), "NevT Color"),

      InfoDopl(*this, "InfoDopl", {273, 117, 187, 25}, "Info Přípravky"),
      PckPrep(*this, "PckPrep", {277, 121, 15, 17}, ""),
      ZobrVPrep(*this, "ZobrVPrep", {441, 121, 15, 17}, ""),
      Velmira(*this, "Velmira", productLine(0), "Velmira"),
      IVelmira(*this, "IVelmira", productLineInfo(0), "i"),
      Joalis(*this, "Joalis", productLine(1), "Joalis"),
      IJoalis(*this, "IJoalis", productLineInfo(1), "i"),
      Energy(*this, "Energy", productLine(2), "Energy"),
      IEnergy(*this, "IEnergy", productLineInfo(2), "i"),
      Diochi(*this, "Diochi", productLine(3), "Diochi"),
      IDiochi(*this, "IDiochi", productLineInfo(3), "i"),
      doTERRA(*this, "doTERRA", productLine(4), "dōTERRA"),
      IdoTERRA(*this, "IdoTERRA", productLineInfo(4), "i"),
      Nadeje(*this, "Nadeje", productLine(5), "Naděje"),
      INadeje(*this, "INadeje", productLineInfo(5), "i"),
      BachBox(*this, "BachBox", productLine(6), "Dr.Bach esence"),
      IBachBox(*this, "IBachBox", productLineInfo(6), "i"),
      Bioligo(*this, "Bioligo", productLine(7), "Bioligo"),
      IBioligo(*this, "IBioligo", productLineInfo(7), "i"),
      Australske(*this, "Australske", productLine(8), "Australské květové esence"),
      IAustralske(*this, "IAustralske", productLineInfo(8), "i"),
      HerbalExtracts(*this, "HerbalExtracts", productLine(9), "Bylinné extrakty"),
      IBenedictus(*this, "IBenedictus", productLineInfo(9), "i"),
      Schlussler(*this, "Schlussler", productLine(10), "Schüsslerovy soli"),
      ISchlussler(*this, "ISchlussler", productLineInfo(10), "i"),
      MePreparat(*this, "MePreparat", {279, 386, 160, 25}, "Přípravky vlastní"),

      Edit1(*this, "Edit1", {548, 118, 96, 19}, "Doplňky:"),
      IPrepPrepPrep(*this, "IPrepPrepPrep", {648, 116, 59, 21}, "Info"),
      IPrepPrep(*this, "IPrepPrep", {548, 138, 75, 21}, "Info"),
      ChQuantum(*this, "ChQuantum", allIndicator(0), ""),
      ChQuantumx(*this, "ChQuantumx", anyIndicator(0), ""),
      QuantumMineralsAll(*this, "QuantumMineralsAll", selectAllButton(0), "•"),
      QuantumMinerals(*this, "QuantumMinerals", openButton(0), "Quantum Minerals"),
      Prep(*this, "Prep", allIndicator(1), ""),
      Prepx(*this, "Prepx", anyIndicator(1), ""),
      PraparatyAll(*this, "PraparatyAll", selectAllButton(1), "•"),
      Praparaty(*this, "Praparaty", openButton(1), "Přípravky1"),
      Prep2(*this, "Prep2", allIndicator(2), ""),
      Prep2x(*this, "Prep2x", anyIndicator(2), ""),
      Praparaty2All(*this, "Praparaty2All", selectAllButton(2), "•"),
      Praparaty2(*this, "Praparaty2", openButton(2), "Přípravky2"),
      Prep3(*this, "Prep3", allIndicator(3), ""),
      Prep3x(*this, "Prep3x", anyIndicator(3), ""),
      Praparaty3All(*this, "Praparaty3All", selectAllButton(3), "•"),
      Praparaty3(*this, "Praparaty3", openButton(3), "Přípravky3"),
      Fin(*this, "Fin", allIndicator(4), ""),
      Finx(*this, "Finx", anyIndicator(4), ""),
      FinClubAll(*this, "FinClubAll", selectAllButton(4), "•"),
      FinClub(*this, "FinClub", openButton(4), "FinClub"),
      ChLR(*this, "ChLR", allIndicator(5), ""),
      ChLRx(*this, "ChLRx", anyIndicator(5), ""),
      LRAll(*this, "LRAll", selectAllButton(5), "•"),
      LR(*this, "LR", openButton(5), "LR"),
      ChKoloid(*this, "ChKoloid", allIndicator(6), ""),
      ChKoloidx(*this, "ChKoloidx", anyIndicator(6), ""),
      KoloidniAll(*this, "KoloidniAll", selectAllButton(6), "•"),
      Koloidni(*this, "Koloidni", openButton(6), "Koloidní stříbro"),
      ChZel(*this, "ChZel", allIndicator(7), ""),
      ChZelx(*this, "ChZelx", anyIndicator(7), ""),
      ZeleneAll(*this, "ZeleneAll", selectAllButton(7), "•"),
      Zelene(*this, "Zelene", openButton(7), "Zelené potraviny"),
      ChHealth(*this, "ChHealth", allIndicator(8), ""),
      ChHealthx(*this, "ChHealthx", anyIndicator(8), ""),
      HealthDetoxAll(*this, "HealthDetoxAll", selectAllButton(8), "•"),
      HealthDetox(*this, "HealthDetox", openButton(8), "Health Detox"),
      ChBenedic(*this, "ChBenedic", allIndicator(9), ""),
      ChBenedicx(*this, "ChBenedicx", anyIndicator(9), ""),
      TlBenedisctus(*this, "TlBenedisctus", selectAllButton(9), "•"),
      BenedictusP(*this, "BenedictusP", openButton(9), "Benedictus"),
      ChDedek(*this, "ChDedek", allIndicator(10), ""),
      ChDedekx(*this, "ChDedekx", anyIndicator(10), ""),
      DedekAll(*this, "DedekAll", selectAllButton(10), "•"),
      Dedek(*this, "Dedek", openButton(10), "Dedek Korenar"),
      ChMycomedika(*this, "ChMycomedika", allIndicator(11), ""),
      ChMycomedikax(*this, "ChMycomedikax", anyIndicator(11), ""),
      MycomedikaAll(*this, "MycomedikaAll", selectAllButton(11), "•"),
      Mycomedika(*this, "Mycomedika", openButton(11), "Mycomedika"),
      ChHarmonelo(*this, "ChHarmonelo", allIndicator(12), ""),
      ChHarmonelox(*this, "ChHarmonelox", anyIndicator(12), ""),
      HarmoneloAll(*this, "HarmoneloAll", selectAllButton(12), "•"),
      Harmonelo(*this, "Harmonelo", openButton(12), "Harmonelo"),
      ChNuSkin(*this, "ChNuSkin", allIndicator(13), ""),
      ChNuSkinx(*this, "ChNuSkinx", anyIndicator(13), ""),
      NuSkinAll(*this, "NuSkinAll", selectAllButton(13), "•"),
      NuSkin(*this, "NuSkin", openButton(13), "Nu Skin"),
      ChStarlife(*this, "ChStarlife", allIndicator(14), ""),
      ChStarlifex(*this, "ChStarlifex", anyIndicator(14), ""),
      StarlifeAll(*this, "StarlifeAll", selectAllButton(14), "•"),
      Starlife(*this, "Starlife", openButton(14), "Starlife"),
      ChNastrZdr(*this, "ChNastrZdr", allIndicator(15), ""),
      ChNastrZdrx(*this, "ChNastrZdrx", anyIndicator(15), ""),
      NastrZdrAll(*this, "NastrZdrAll", selectAllButton(15), "•"),
      NastrZdr(*this, "NastrZdr", openButton(15), "Nástroje zdraví"),
      ChZinzino(*this, "ChZinzino", allIndicator(16), ""),
      ChZinzinox(*this, "ChZinzinox", anyIndicator(16), ""),
      ZinzinoAll(*this, "ZinzinoAll", selectAllButton(16), "•"),
      Zinzino(*this, "Zinzino", openButton(16), "Zinzino"),

      Citlivos_popis1(*this, "Citlivos_popis1", {13, 455, 70, 13}, "Citlivost:"),
      citlivost_ukazatel1(*this, "citlivost_ukazatel1", {86, 455, 30, 13}, "67"),
      nastav_citlivost(*this, "nastav_citlivost", {13, 472, 125, 17}, 10, 120, 67),
      Citlivos_mala(*this, "Citlivos_mala", {13, 490, 30, 13}, "0 %"),
      Citlivos_mala1(*this, "Citlivos_mala1", {98, 490, 40, 13}, "120 %"),
      Citlivos_popis4(*this, "Citlivos_popis4", {12, 508, 40, 13}, "Limit:"),
      limit_ukazatel(*this, "limit_ukazatel", {55, 508, 18, 13}, "80"),
      Citlivos_popis5(*this, "Citlivos_popis5", {74, 508, 12, 13}, "%"),
      nastav_limit(*this, "nastav_limit", {12, 525, 126, 17}, 70, 95, 80),
      Citlivos_popis2(*this, "Citlivos_popis2", {12, 547, 90, 13}, "Velikost písma:"),
      UkazatelPismo(*this, "UkazatelPismo", {105, 547, 20, 13}, "8"),
      VelPism(*this, "VelPism", {12, 564, 126, 17}, 8, 12, 8),
      Panel3(*this, "Panel3", {145, 460, 126, 125}),
      pops3(*this, "pops3", {6, 5, 60, 13}, "Plus + %", &Panel3),
      Kolikmin(*this, "Kolikmin", {70, 5, 40, 13}, "0", &Panel3),
      pricist(*this, "pricist", {6, 21, 112, 17}, 0, 8, 0, &Panel3),
      PlusRifePop(*this, "PlusRifePop", {6, 43, 62, 13}, "Export + %", &Panel3),
      PlusRifeStav(*this, "PlusRifeStav", {70, 43, 40, 13}, "0", &Panel3),
      PlusRife(*this, "PlusRife", {6, 59, 112, 17}, 0, 8, 0, &Panel3),
      detail_samost3(*this, "detail_samost3", {6, 80, 112, 38}, "", {"X", "[", "Σ"}, &Panel3),
      Zpusob_mereni(*this, "Zpusob_mereni", {275, 539, 230, 45},
                    "Způsob detekce:", {"Telemetricky", "Elektroda"}),
      Upgrade1(*this, "Upgrade1", {11, 590, 70, 21}, "Upgrade:"),
      Upgrade2(*this, "Upgrade2", {85, 590, 300, 21}, std::string(kUpgradePage)),

      Uloz(*this, "Uloz", {11, 615, 92, 30}, "Uložit"),
      Konec(*this, "Konec", {110, 615, 92, 30}, "Konec"),
      Info(*this, "Info", {209, 615, 92, 30}, "Info"),

      Animal(*this, "Animal", {400, 592, 60, 17}, "Zvíře"),
      ZoomWin(*this, "ZoomWin", {470, 590, 40, 21}, ""),
      MtdVsbl(*this, "MtdVsbl", {520, 592, 17, 17}, ""),
      vyplnset(*this, "vyplnset", {320, 615, 80, 25}, "vyplnset"),
      VyplnCtverecky(*this, "VyplnCtverecky", {410, 615, 100, 25}, "VyplnCtverecky") {
  windows_.Form8 = this;
  setColor(forms::Color::fromStored(16749459));
  setFont(forms::Font{});

  // Captions drawn as fields: they take the window's colour and cannot be typed into.
  for (forms::Edit* caption : {&Edit1, &Edit2, &Edit3, &Upgrade1, &Upgrade2}) {
    caption->setReadOnly(true);
    caption->setBorder(false);
  }
  for (forms::Edit* field : {&Cesta, &CestaDBZ, &COM_Nr, &ZoomWin}) {
    field->setColor(forms::Color::windowBackground());
  }

  Image1.setImage(drawFlagStrip());
  Citlivos_mala1.setAlignment(forms::Alignment::Right);
  VelPism.setSteps(2, 1);
  detail_samost3.setColumns(3);
  detail_samost3.setItemIndex(0);
  Zpusob_mereni.setColumns(2);
  Zpusob_mereni.setItemIndex(0);

  // The indicators only show what the refresh found; nobody ticks them by hand.
  for (const catalogue::ProductGroup& group : catalogue::allGroups()) {
    GroupRow row = groupRow(group.key);
    row.allSelected.setEnabled(false);
    row.anySelected.setEnabled(false);
  }

  for (forms::Control* hidden :
       std::initializer_list<forms::Control*>{&CestaDBZ, &ResetAll, &BezDiakrit2, &Animal, &ZoomWin,
                                              &MtdVsbl, &vyplnset, &VyplnCtverecky}) {
    hidden->setVisible(false);
  }

  linkLabels();
  bindHandlers();
}

void TForm8::linkLabels() {
  Edit3.setLabel(Label3);
  Cesta.setLabel(Edit2);
  CestaDBZ.setLabel(BtDBZ);
  COM_Nr.setLabel(COM);
  // The flags open the language window; a person without a mouse reaches them by Tab.
  Image1.setSpokenName(std::string(texts::kLanguageChoiceName));
  Image1.setKeyboardOnlyFocus(true);
  PosF.setLabel(PosF2);
  PckPrep.setLabel(InfoDopl);
  ZobrVPrep.setLabel(InfoDopl);
  for (const catalogue::ProductGroup& group : catalogue::allGroups()) {
    GroupRow row = groupRow(group.key);
    row.allSelected.setLabel(row.open);
    row.anySelected.setLabel(row.open);
  }
  nastav_citlivost.setLabel(Citlivos_popis1);
  nastav_limit.setLabel(Citlivos_popis4);
  VelPism.setLabel(Citlivos_popis2);
  pricist.setLabel(pops3);
  PlusRife.setLabel(PlusRifePop);
}

}  // namespace tavi::editor
