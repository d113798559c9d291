#include "store/settings_catalogue.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tavi::store {
namespace {

constexpr ValueSetting kValueSettings[] = {
    {.path = R"(C:\KivTanOr5\datFontScale.dat)", .control = "VelPism", .defaultValue = 8},
    // The hidden zoom field, a byte as a decimal number; emptied when the file is absent.
    {.path = R"(C:\KivTanOr5\datZoomWin.dat)", .control = "ZoomWin"},
    {.path = R"(C:\KivTanOr5\datLimit.dat)", .control = "nastav_limit", .defaultValue = 80},
    // Items "X", "[" and "Σ".
    {.path = R"(C:\KivTanOr5\datDavkaSum.dat)", .control = "detail_samost3"},
    {.path = R"(C:\KivTanOr5\datPricisC.dat)", .control = "pricist", .extendedMaximum = 13},
    {.path = R"(C:\KivTanOr5\datPlusRife.dat)", .control = "PlusRife"},
    // Without the file the bar keeps its design position, 67.
    {.path = windowsPath<kSettingsFolder, kSensitivityFileName>,
     .control = "nastav_citlivost",
     .extendedMaximum = 150},
    {.path = kComPortFile, .control = "COM_Nr"},
    // Where the suite saves programs and protocols; kept with a trailing backslash.
    {.path = windowsPath<kSettingsFolder, kOutputFolderFileName>, .control = "Cesta"},
    // The suite's database folder; the field is hidden until the user asks for it.
    {.path = R"(C:\KivTanOr5\0cestaDBZ.txt)", .control = "CestaDBZ"},
};

constexpr OptionFlag kOptionFlags[] = {
    {.path = R"(C:\KivTanOr5\0podadr.txt)", .control = "Podadresar"},
    {.path = R"(C:\KivTanOr5\DatAddFile.dat)", .control = "AddFile"},
    // Present: electrode (item 1); absent: telemetric (item 0).
    {.path = R"(C:\KivTanOr5\datE.dat)", .control = "Zpusob_mereni", .radioItem = 1},
    {.path = R"(C:\KivTanOr5\datOpenLast.dat)", .control = "OpenLast"},
    {.path = R"(C:\KivTanOr5\datAutomat.dat)", .control = "Automat"},
    {.path = R"(C:\KivTanOr5\datEmaTim.dat)", .control = "EmailTiming"},
    {.path = R"(C:\KivTanOr5\LikeLastAll.dat)", .control = "VegeTXT"},
    // The firmware option suits only some devices, so switching it on is confirmed first.
    {.path = R"(C:\KivTanOr5\datNewVesion.dat)", .control = "NewVesion", .confirmationText = 807},
    {.path = kGeneratorColourFlag, .control = "NevT_Color"},
    {.path = R"(C:\KivTanOr5\datBezDiakrit.dat)", .control = "BezDiakrit"},
    // Never read, so every save clears a file that another program left.
    {.path = R"(C:\KivTanOr5\datBezDiakrit2.dat)",
     .control = "BezDiakrit2",
     .load = FlagLoad::NotRead},
    {.path = kScaleWindowsFlag, .control = "ScaleWindows"},
    {.path = kDarkThemeFlag, .control = "DarkColor"},
    {.path = R"(C:\KivTanOr5\ProtokolSUMA.dat)", .control = "ProtokolSUMA"},
    {.path = R"(C:\KivTanOr5\Slowpc.dat)", .control = "SlowPC"},
    {.path = R"(C:\KivTanOr5\ProcZobr.dat)", .control = "ProcZobr"},
    {.path = R"(C:\KivTanOr5\datPrgRav.dat)", .control = "PrgRavo"},
    {.path = R"(C:\KivTanOr5\datPrgElz.dat)", .control = "PrgElzapp"},
    // The sensitivity is on the animal scale while this file exists.
    {.path = R"(C:\KivTanOr5\datAnimal.dat)", .control = "Animal"},
    {.path = R"(C:\KivTanOr5\datMtdVsbl.dat)",
     .control = "MtdVsbl",
     .sense = FlagSense::PresentUnticks},
    {.path = R"(C:\KivTanOr5\YearFirs.dat)", .control = "YearFirs"},
    {.path = R"(C:\KivTanOr5\RunLUDCheck.dat)", .control = "CheckProgram"},
    {.path = R"(C:\KivTanOr5\PckPrep.dat)", .control = "PckPrep"},
    {.path = R"(C:\KivTanOr5\ZobrVPrep.dat)", .control = "ZobrVPrep"},
    {.path = R"(C:\KivTanOr5\PosF.dat)", .control = "PosF"},
    {.path = R"(C:\KivTanOr5\PosF2.dat)", .control = "PosF2"},
    {.path = R"(C:\KivTanOr5\DetekMaxToDo.dat)", .control = "DetekMaxToDo"},
};

constexpr ProductLineFlag kProductLineFlags[] = {
    {R"(C:\KivTanOr5\datJOA.dat)", "Joalis", 3},
    {R"(C:\KivTanOr5\datENE.dat)", "Energy", 4},
    {R"(C:\KivTanOr5\datNad.dat)", "Nadeje", 5},
    {R"(C:\KivTanOr5\datBB.dat)", "BachBox", 2},
    {R"(C:\KivTanOr5\datDiochi.dat)", "Diochi", 10},
    {R"(C:\KivTanOr5\datBIO.dat)", "Bioligo", 6},
    {R"(C:\KivTanOr5\datDoTERR.dat)", "doTERRA", 7},
    {R"(C:\KivTanOr5\datSchlu.dat)", "Schlussler", 1},
    {R"(C:\KivTanOr5\datAustr.dat)", "Australske", 8},
    {R"(C:\KivTanOr5\datHerbal.dat)", "HerbalExtracts", 9},
};

constexpr FixedFile kFixedFiles[] = {
    {kVelmiraFlag},        {kFedFlag},         {kRetiredFlags[0]},
    {kRetiredFlags[1]},    {kRetiredFlags[2]}, {kRetiredFlags[3]},
    {kRetiredFlags[4]},    {kRetiredFlags[5]}, {kRetiredFlags[6]},
    {kCurrentAddressFile},
};
static_assert(std::size(kRetiredFlags) == 7, "every retired flag is a fixed file");

constexpr GroupHidingLine kGroupHidingLines[] = {
    {"Velmira", "IVelmira"},
    {"Joalis", "IJoalis"},
    {"Energy", "IEnergy"},
    {"Diochi", "IDiochi"},
    {"doTERRA", "IdoTERRA"},
    {"Nadeje", "INadeje"},
    {"Bioligo", "IBioligo"},
    {"BachBox", "IBachBox"},
    {"Australske", "IAustralske"},
    {"HerbalExtracts", "IBenedictus"},
    {"Schlussler", "ISchlussler"},
    {"QuantumMinerals", {}, true},
    {"Praparaty", {}, true},
    {"Praparaty2", {}, true},
    {"Praparaty3", {}, true},
    {"FinClub", {}, true},
    {"LR", {}, true},
    {"Koloidni", {}, true},
    {"Zelene", {}, true},
    {"HealthDetox", {}, true},
    {"BenedictusP", {}, true},
    {"Dedek", {}, true},
    {"Mycomedika", {}, true},
    {"MePreparat"},
    {"Harmonelo", {}, true},
    {"NuSkin", {}, true},
    {"NastrZdr", {}, true},
    {"Starlife", {}, true},
    {"Zinzino", {}, true},
};
static_assert(std::size(kGroupHidingLines) <= kGroupHidingFileLines);

template <typename Record, std::size_t N>
const Record& byControl(const Record (&records)[N], std::string_view control) {
  const auto found = std::find_if(std::begin(records), std::end(records),
                                  [&](const Record& record) { return record.control == control; });
  if (found == std::end(records)) {
    throw std::out_of_range("no settings file for the control " + std::string(control));
  }
  return *found;
}

}  // namespace

std::span<const ValueSetting> valueSettings() {
  return kValueSettings;
}
std::span<const OptionFlag> optionFlags() {
  return kOptionFlags;
}
std::span<const ProductLineFlag> productLineFlags() {
  return kProductLineFlags;
}
std::span<const FixedFile> fixedFiles() {
  return kFixedFiles;
}
std::span<const GroupHidingLine> groupHidingLines() {
  return kGroupHidingLines;
}

const ValueSetting& valueSetting(std::string_view control) {
  return byControl(kValueSettings, control);
}

const OptionFlag& optionFlag(std::string_view control) {
  return byControl(kOptionFlags, control);
}

const ProductLineFlag& productLineFlag(std::string_view control) {
  return byControl(kProductLineFlags, control);
}

}  // namespace tavi::store
