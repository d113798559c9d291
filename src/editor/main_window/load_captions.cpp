#include <string>
#include <string_view>

#include "catalogue/product_lines.h"
#include "editor/main_window/main_window.h"
#include "store/settings_catalogue.h"

namespace tavi::editor {
namespace {

// The text without its last character, which may take several bytes.
std::string withoutLastCharacter(std::string text) {
  if (text.empty()) return text;
  std::size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
    --end;
  text.resize(end);
  return text;
}

}  // namespace

void TForm8::putCaptions() {
  // "Perc.:" becomes "Perc. [%]".
  ProcZobr.setCaption(withoutLastCharacter(FATisk(16401)) + " [%]");
  MePreparat.setCaption(FATisk(2250));
  Praparaty.setCaption(FATisk(47) + "1");
  Praparaty2.setCaption(FATisk(47) + "2");
  Praparaty3.setCaption(FATisk(47) + "3");
  Koloidni.setCaption(FATisk(28));
  Zelene.setCaption(FATisk(901));
  setCaption(FATisk(400));
  Edit2.setText(FATisk(405));
  Label3.setCaption(FATisk(406));
  Info_pouz.setCaption(FATisk(408));
  InfoDopl.setCaption(FATisk(409));
  Podadresar.setCaption(FATisk(410));
  BezDiakrit.setCaption(FATisk(430));
  BezDiakrit2.setCaption(FATisk(430) + " II");
  PrgRavo.setCaption(FATisk(412));
  PrgElzapp.setCaption(FATisk(413));
  AddFile.setCaption(FATisk(414));
  NewVesion.setCaption(FATisk(428));
  YearFirs.setCaption(FATisk(442) + ": " + windows_.files.platform().today());
  VegeTXT.setCaption(FATisk(438));
  OpenLast.setCaption(FATisk(434));
  ScaleWindows.setCaption(FATisk(431));
  DarkColor.setCaption(FATisk(436));
  ProtokolSUMA.setCaption(FATisk(437));
  SlowPC.setCaption(FATisk(432));
  InfoPC.setCaption(FATisk(400) + " PC");
  DetekMaxToDo.setCaption(FATisk(55));
  Edit1.setText(FATisk(415));
  Citlivos_popis1.setCaption(FATisk(416));
  Citlivos_popis2.setCaption(FATisk(435));
  Uloz.setCaption(FATisk(418));
  Konec.setCaption(FATisk(419));
  Citlivos_popis4.setCaption(FATisk(427));
  BtColor.setCaption(FATisk(443));
  CheckProgram.setCaption(FATisk(2709));
  Velmira.setCaption(FATisk(420));
  for (forms::CheckBox* box : {&Joalis, &Energy, &Diochi, &Nadeje, &BachBox, &Bioligo, &doTERRA,
                               &Schlussler, &Australske, &HerbalExtracts}) {
    // A language without names keeps the box's caption.
    std::string caption = box->caption();
    catalogue::FAPreptech(store::productLineFlag(box->name()).productLine, caption,
                          windows_.Languagem);
    box->setCaption(std::move(caption));
  }
  Zpusob_mereni.setCaption(FATisk(417));
  Zpusob_mereni.clearItems();
  Zpusob_mereni.addItem(FATisk(422));
  Zpusob_mereni.addItem(FATisk(423));
}

}  // namespace tavi::editor
