#pragma once

#include <string>
#include <string_view>

#include "catalogue/product_groups.h"
#include "editor/editor_window.h"
#include "editor/fill_state.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/controls.h"

namespace tavi::editor {

// The maker's web site, named in the window's design caption, and its upgrade download page,
// which Upgrade2 shows.
inline constexpr std::string_view kMakerSite = "www.tavitherapy.com";
inline constexpr std::string_view kUpgradePage = "https://www.tavitherapy.com/upgrade";

// The main settings window of "Tavi Setting". The controls stand as the window is designed, in
// Czech; filling them from the settings folder is the window's load.
class TForm8 : public EditorWindow {
 public:
  TForm8(forms::Application& app, WindowSet& windows);

  void created() override;

  // The four controls that stand for one product group.
  struct GroupRow {
    const catalogue::ProductGroup& group;
    forms::Button& open;
    forms::Button& selectAll;  // "•"
    forms::CheckBox& allSelected;
    forms::CheckBox& anySelected;
  };
  // The row of the group with that key ("NuSkin"); throws std::out_of_range for an unknown key.
  GroupRow groupRow(std::string_view key);

  void KonecClick();

  // Group rows: each open button shows its selection window filled from the flag files; each
  // "•" selects the whole group, or deselects it when the indicator says all are selected.
  void QuantumMineralsClick();
  void PraparatyClick();
  void Praparaty2Click();
  void Praparaty3Click();
  void FinClubClick();
  void LRClick();
  void KoloidniClick();
  void ZeleneClick();
  void HealthDetoxClick();
  void BenedictusPClick();
  void DedekClick();
  void MycomedikaClick();
  void HarmoneloClick();
  void NuSkinClick();
  void StarlifeClick();
  void NastrZdrClick();
  void ZinzinoClick();
  void QuantumMineralsAllClick();
  void PraparatyAllClick();
  void Praparaty2AllClick();
  void Praparaty3AllClick();
  void FinClubAllClick();
  void LRAllClick();
  void KoloidniAllClick();
  void ZeleneAllClick();
  void HealthDetoxAllClick();
  void TlBenedisctusClick();
  void DedekAllClick();
  void MycomedikaAllClick();
  void HarmoneloAllClick();
  void NuSkinAllClick();
  void StarlifeAllClick();
  void NastrZdrAllClick();
  void ZinzinoAllClick();
  void MePreparatClick();
  // Sets every group's two indicators from the product flag files. The selection windows call
  // it after they saved.
  void VyplnCtvereckyClick();

  // ---- Load and save (load.cpp, save.cpp) ----
  // Fills the window from the settings folder: switches, hidden groups, captions in the
  // current language, every setting, then the group indicators. Runs once, at creation.
  void vyplnsetClick();
  // Writes the window back to the settings folder and, unless a folder was refused, ends the
  // program.
  void UlozClick();

  // ---- Option handlers and service codes (handlers.cpp, service_codes.cpp) ----
  // The value labels follow their bars, whether the user or the load moved them.
  void nastav_citlivostChange();
  void nastav_limitChange();
  void VelPismChange();
  void pricistChange();  // shows the percentage that the step stands for
  void PlusRifeChange();
  void Zpusob_mereniClick();
  // The port check, on leaving the field and on Enter; it also spots the service codes.
  void COM_NrExit();
  void COM_NrKeyDown(forms::Key key);
  // Runs the function of the service code in COM_Nr.
  void ResetAllClick();
  // The tiny buttons switch their flag files at once, without a save.
  void ProcZatTlClick();
  void StavPredTlClick();
  void Ther6Click();
  void RozsireniSWEClick();
  // Help documents, opened with the shell.
  void IVelmiraClick();
  void IJoalisClick();
  void IEnergyClick();
  void IDiochiClick();
  void IdoTERRAClick();
  void INadejeClick();
  void IBachBoxClick();
  void IBioligoClick();
  void IAustralskeClick();
  void IBenedictusClick();
  void ISchlusslerClick();
  void IPrepPrepClick();
  void SettingInfoClick();
  // Help messages.
  void InfoClick();
  void InfoDoplClick();  // InfoDopl and IPrepPrepPrep
  void InfoPCClick();
  void Info_pouzClick();
  void Upgrade4Click();  // a click into Upgrade2
  void Image1Click();
  void BtColorClick();
  void BtDBZClick();

  // ---- Top band: output folder, database folder, information ----
  forms::Edit Edit2;  // a caption drawn as a field
  forms::Label Label3;
  forms::Edit Edit3;  // the example path
  forms::Edit Cesta;
  forms::Edit CestaDBZ;
  forms::Button Info_pouz;
  forms::Button BtDBZ;
  forms::Button SettingInfo;
  forms::Button BtColor;

  // ---- Top band, right: toggle buttons, port, languages ----
  forms::Button ProcZatTl;
  forms::Button StavPredTl;
  forms::Button Ther6;
  forms::Button RozsireniSWE;
  forms::Button ResetAll;
  forms::Label COM;
  forms::Edit COM_Nr;
  forms::Picture Image1;
  forms::Button InfoPC;

  // ---- Left column: options ----
  forms::CheckBox Podadresar;
  forms::CheckBox PrgRavo;
  forms::CheckBox PrgElzapp;
  forms::CheckBox AddFile;
  forms::CheckBox EmailTiming;
  forms::CheckBox PosF;
  forms::CheckBox PosF2;
  forms::CheckBox VegeTXT;
  forms::CheckBox CheckProgram;
  forms::CheckBox OpenLast;
  forms::CheckBox DetekMaxToDo;
  forms::CheckBox Automat;
  forms::CheckBox BezDiakrit;
  forms::CheckBox BezDiakrit2;
  forms::CheckBox ScaleWindows;
  forms::CheckBox SlowPC;
  forms::CheckBox ProcZobr;
  forms::CheckBox DarkColor;
  forms::CheckBox ProtokolSUMA;
  forms::CheckBox YearFirs;
  forms::CheckBox NewVesion;
  forms::CheckBox NevT_Color;

  // ---- Middle column: product lines, each with its information button ----
  forms::Button InfoDopl;
  forms::CheckBox PckPrep;    // lies on the left end of InfoDopl
  forms::CheckBox ZobrVPrep;  // lies on the right end of InfoDopl
  forms::CheckBox Velmira;
  forms::Button IVelmira;
  forms::CheckBox Joalis;
  forms::Button IJoalis;
  forms::CheckBox Energy;
  forms::Button IEnergy;
  forms::CheckBox Diochi;
  forms::Button IDiochi;
  forms::CheckBox doTERRA;
  forms::Button IdoTERRA;
  forms::CheckBox Nadeje;
  forms::Button INadeje;
  forms::CheckBox BachBox;
  forms::Button IBachBox;
  forms::CheckBox Bioligo;
  forms::Button IBioligo;
  forms::CheckBox Australske;
  forms::Button IAustralske;
  forms::CheckBox HerbalExtracts;
  forms::Button IBenedictus;  // the information button of HerbalExtracts
  forms::CheckBox Schlussler;
  forms::Button ISchlussler;
  forms::Button MePreparat;

  // ---- Right column: product groups, top to bottom; each row is all, any, "•", open ----
  forms::Edit Edit1;  // a caption drawn as a field
  forms::Button IPrepPrepPrep;
  forms::Button IPrepPrep;
  forms::CheckBox ChQuantum, ChQuantumx;
  forms::Button QuantumMineralsAll, QuantumMinerals;
  forms::CheckBox Prep, Prepx;
  forms::Button PraparatyAll, Praparaty;
  forms::CheckBox Prep2, Prep2x;
  forms::Button Praparaty2All, Praparaty2;
  forms::CheckBox Prep3, Prep3x;
  forms::Button Praparaty3All, Praparaty3;
  forms::CheckBox Fin, Finx;
  forms::Button FinClubAll, FinClub;
  forms::CheckBox ChLR, ChLRx;
  forms::Button LRAll, LR;
  forms::CheckBox ChKoloid, ChKoloidx;
  forms::Button KoloidniAll, Koloidni;
  forms::CheckBox ChZel, ChZelx;
  forms::Button ZeleneAll, Zelene;
  forms::CheckBox ChHealth, ChHealthx;
  forms::Button HealthDetoxAll, HealthDetox;
  forms::CheckBox ChBenedic, ChBenedicx;
  forms::Button TlBenedisctus, BenedictusP;
  forms::CheckBox ChDedek, ChDedekx;
  forms::Button DedekAll, Dedek;
  forms::CheckBox ChMycomedika, ChMycomedikax;
  forms::Button MycomedikaAll, Mycomedika;
  forms::CheckBox ChHarmonelo, ChHarmonelox;
  forms::Button HarmoneloAll, Harmonelo;
  forms::CheckBox ChNuSkin, ChNuSkinx;
  forms::Button NuSkinAll, NuSkin;
  forms::CheckBox ChStarlife, ChStarlifex;
  forms::Button StarlifeAll, Starlife;
  forms::CheckBox ChNastrZdr, ChNastrZdrx;
  forms::Button NastrZdrAll, NastrZdr;
  forms::CheckBox ChZinzino, ChZinzinox;
  forms::Button ZinzinoAll, Zinzino;

  // ---- Bottom left: measurement values ----
  forms::Label Citlivos_popis1;
  forms::Label citlivost_ukazatel1;
  forms::ScrollBar nastav_citlivost;
  forms::Label Citlivos_mala;
  forms::Label Citlivos_mala1;
  forms::Label Citlivos_popis4;
  forms::Label limit_ukazatel;
  forms::Label Citlivos_popis5;
  forms::ScrollBar nastav_limit;
  forms::Label Citlivos_popis2;
  forms::Label UkazatelPismo;
  forms::ScrollBar VelPism;
  forms::Panel Panel3;
  forms::Label pops3;
  forms::Label Kolikmin;
  forms::ScrollBar pricist;
  forms::Label PlusRifePop;
  forms::Label PlusRifeStav;
  forms::ScrollBar PlusRife;
  forms::RadioGroup detail_samost3;
  forms::RadioGroup Zpusob_mereni;
  forms::Edit Upgrade1;
  forms::Edit Upgrade2;

  // ---- Bottom buttons ----
  forms::Button Uloz;
  forms::Button Konec;
  forms::Button Info;

  // ---- Never shown: settings kept without a control of their own, and operations ----
  forms::CheckBox Animal;
  forms::Edit ZoomWin;
  forms::CheckBox MtdVsbl;
  forms::Button vyplnset;
  forms::Button VyplnCtverecky;

 private:
  // The labels beside the fields, bars and boxes that have no caption: what names them for a
  // screen reader.
  void linkLabels();
  void bindHandlers();
  void bindGroupHandlers();
  void openGroup(std::string_view key);
  void selectWholeGroup(std::string_view key);

  // ---- Load and save: private helpers ----
  void bindLoadSaveHandlers();
  void load();
  void applyWindowSwitches();
  void hideGroupsSwitchedOffGlobally();
  void putCaptions();
  void loadOptionFlags();
  void loadProductLines();
  void loadValues();
  // True when the output folder was accepted (or none is given) and written.
  bool saveOutputFolder();
  void saveFirmwareOption();
  void saveOptionFlags();
  void saveProductLines();
  void saveSensitivity();
  // False when the database folder was refused; the save goes on regardless.
  bool saveDatabaseFolder();
  // False, after the refusal message headed by the field's tag, when the folder is missing,
  // names no folder at all, or cannot be stored exactly in the settings' code page.
  bool folderCanBeStored(std::string_view field, std::string_view folder, std::string_view tested);
  void loadFlag(forms::CheckBox& box);
  void saveFlag(const forms::CheckBox& box);
  // The first line of a line file, or an empty text when the file is absent.
  std::string storedLine(std::string_view path) const;

  // ---- Option handlers and service codes: private helpers ----
  void bindOptionHandlers();
  void bindHelpHandlers();
  void checkComField();
  // Puts the stored port back into COM_Nr, or empties it when none is stored.
  void restoreComField();
  void toggleFlag(std::string_view path);

  FillState loaded_;
};

}  // namespace tavi::editor
