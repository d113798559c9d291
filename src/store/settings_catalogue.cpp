#include "store/settings_catalogue.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tavi::store {
namespace {

constexpr ValueSetting kValueSettings[] = {
    {.path = R"(C:\KivTanOr5\datFontScale.dat)",
     .kind = FileKind::Byte,
     .control = "VelPism",
     .property = ValueProperty::Position,
     .range = ValueRange{8, 12},
     .whenAbsent = WhenAbsent::UseDefault,
     .defaultValue = 8,
     .save = ValueSave::Always},
    {.path = R"(C:\KivTanOr5\datZoomWin.dat)",
     .kind = FileKind::Byte,
     .control = "ZoomWin",
     .property = ValueProperty::DecimalText,
     .range = ValueRange{0, 255},
     .whenAbsent = WhenAbsent::EmptyText,
     .save = ValueSave::WhenNotEmpty,
     .hiddenControl = true},
    {.path = R"(C:\KivTanOr5\datLimit.dat)",
     .kind = FileKind::Byte,
     .control = "nastav_limit",
     .property = ValueProperty::Position,
     .range = ValueRange{70, 95},
     .whenAbsent = WhenAbsent::UseDefault,
     .defaultValue = 80,
     .save = ValueSave::Always},
    // Items "X", "[" and "Σ".
    {.path = R"(C:\KivTanOr5\datDavkaSum.dat)",
     .kind = FileKind::Byte,
     .control = "detail_samost3",
     .property = ValueProperty::SelectedItem,
     .range = ValueRange{0, 2},
     .whenAbsent = WhenAbsent::UseDefault,
     .defaultValue = 0,
     .save = ValueSave::Always},
    {.path = R"(C:\KivTanOr5\datPricisC.dat)",
     .kind = FileKind::Byte,
     .control = "pricist",
     .property = ValueProperty::Position,
     .range = ValueRange{0, 8},
     .extendedRange = ValueRange{0, 13},
     .whenAbsent = WhenAbsent::UseDefault,
     .defaultValue = 0,
     .save = ValueSave::WhenPositive},
    {.path = R"(C:\KivTanOr5\datPlusRife.dat)",
     .kind = FileKind::Byte,
     .control = "PlusRife",
     .property = ValueProperty::Position,
     .range = ValueRange{0, 8},
     .whenAbsent = WhenAbsent::UseDefault,
     .defaultValue = 0,
     .save = ValueSave::WhenPositive},
    // Without the file the bar keeps its design position, 67.
    {.path = R"(C:\KivTanOr5\datC.dat)",
     .kind = FileKind::Byte,
     .control = "nastav_citlivost",
     .property = ValueProperty::Position,
     .range = ValueRange{10, 120},
     .extendedRange = ValueRange{10, 150},
     .whenAbsent = WhenAbsent::KeepControl,
     .save = ValueSave::WithSensitivityScale},
    // The field's own handlers check the digits of the port number.
    {.path = R"(C:\KivTanOr5\COM_Nr.dat)",
     .kind = FileKind::Line,
     .control = "COM_Nr",
     .property = ValueProperty::Text,
     .whenAbsent = WhenAbsent::EmptyText,
     .save = ValueSave::WhenOneOrTwoCharacters},
    // Where the suite saves programs and protocols; kept with a trailing backslash.
    {.path = R"(C:\KivTanOr5\0cestaEx.txt)",
     .kind = FileKind::Line,
     .control = "Cesta",
     .property = ValueProperty::Text,
     .whenAbsent = WhenAbsent::EmptyText,
     .save = ValueSave::ExistingFolder},
    // The suite's database folder; the field is hidden until the user asks for it.
    {.path = R"(C:\KivTanOr5\0cestaDBZ.txt)",
     .kind = FileKind::Line,
     .control = "CestaDBZ",
     .property = ValueProperty::Text,
     .whenAbsent = WhenAbsent::EmptyText,
     .save = ValueSave::ExistingFolderWhileVisible,
     .hiddenControl = true},
};

constexpr OptionFlag kOptionFlags[] = {
    {.path = R"(C:\KivTanOr5\0podadr.txt)",
     .control = "Podadresar",
     .captionText = 410,
     .save = FlagSave::WithOutputFolder},
    {.path = R"(C:\KivTanOr5\DatAddFile.dat)", .control = "AddFile", .captionText = 414},
    // Present: electrode (item 1); absent: telemetric (item 0).
    {.path = R"(C:\KivTanOr5\datE.dat)",
     .control = "Zpusob_mereni",
     .captionText = 417,
     .radioItem = 1},
    {.path = R"(C:\KivTanOr5\datOpenLast.dat)", .control = "OpenLast", .captionText = 434},
    {.path = R"(C:\KivTanOr5\datAutomat.dat)", .control = "Automat"},
    {.path = R"(C:\KivTanOr5\datEmaTim.dat)", .control = "EmailTiming"},
    {.path = R"(C:\KivTanOr5\LikeLastAll.dat)",
     .control = "VegeTXT",
     .captionText = 438,
     .visibleOnlyWith = R"(C:\KivTanOr5\datvegeTXT.dat)"},
    // The firmware option suits only some devices, so switching it on is confirmed first.
    {.path = R"(C:\KivTanOr5\datNewVesion.dat)",
     .control = "NewVesion",
     .captionText = 428,
     .save = FlagSave::AfterConfirmation,
     .confirmationText = 807},
    {.path = R"(C:\KivTanOr5\NevT_Color.dat)", .control = "NevT_Color"},
    {.path = R"(C:\KivTanOr5\datBezDiakrit.dat)", .control = "BezDiakrit", .captionText = 430},
    // Never read, so every save clears a file that another program left.
    {.path = R"(C:\KivTanOr5\datBezDiakrit2.dat)",
     .control = "BezDiakrit2",
     .captionText = 430,
     .load = FlagLoad::NotRead,
     .hiddenControl = true},
    {.path = R"(C:\KivTanOr5\ScaleWindows.dat)", .control = "ScaleWindows", .captionText = 431},
    {.path = R"(C:\KivTanOr5\DarkColor.dat)", .control = "DarkColor", .captionText = 436},
    {.path = R"(C:\KivTanOr5\ProtokolSUMA.dat)", .control = "ProtokolSUMA", .captionText = 437},
    {.path = R"(C:\KivTanOr5\Slowpc.dat)", .control = "SlowPC", .captionText = 432},
    {.path = R"(C:\KivTanOr5\ProcZobr.dat)", .control = "ProcZobr", .captionText = 16401},
    {.path = R"(C:\KivTanOr5\datPrgRav.dat)", .control = "PrgRavo", .captionText = 412},
    {.path = R"(C:\KivTanOr5\datPrgElz.dat)", .control = "PrgElzapp", .captionText = 413},
    // The sensitivity is on the animal scale while this file exists.
    {.path = R"(C:\KivTanOr5\datAnimal.dat)",
     .control = "Animal",
     .save = FlagSave::WithSensitivity,
     .hiddenControl = true},
    {.path = R"(C:\KivTanOr5\datMtdVsbl.dat)",
     .control = "MtdVsbl",
     .sense = FlagSense::PresentUnticks,
     .hiddenControl = true},
    {.path = R"(C:\KivTanOr5\YearFirs.dat)", .control = "YearFirs", .captionText = 442},
    {.path = R"(C:\KivTanOr5\RunLUDCheck.dat)", .control = "CheckProgram", .captionText = 2709},
    {.path = R"(C:\KivTanOr5\PckPrep.dat)", .control = "PckPrep"},
    {.path = R"(C:\KivTanOr5\ZobrVPrep.dat)", .control = "ZobrVPrep"},
    {.path = R"(C:\KivTanOr5\PosF.dat)", .control = "PosF"},
    {.path = R"(C:\KivTanOr5\PosF2.dat)", .control = "PosF2"},
    {.path = R"(C:\KivTanOr5\DetekMaxToDo.dat)", .control = "DetekMaxToDo", .captionText = 55},
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

// The suite expects the first two always (the load ticks `Velmira` regardless, and the save
// never looks at that box); the seven cleared ones are older options it no longer offers.
constexpr FixedFile kFixedFiles[] = {
    {R"(C:\KivTanOr5\datVelB.dat)", FixedSave::AlwaysSet},
    {R"(C:\KivTanOr5\datFED.dat)", FixedSave::AlwaysSet},
    {R"(C:\KivTanOr5\datKoloid.dat)", FixedSave::AlwaysClear},
    {R"(C:\KivTanOr5\datOres.dat)", FixedSave::AlwaysClear},
    {R"(C:\KivTanOr5\datFinCl.dat)", FixedSave::AlwaysClear},
    {R"(C:\KivTanOr5\datMiner.dat)", FixedSave::AlwaysClear},
    {R"(C:\KivTanOr5\datCplus.dat)", FixedSave::AlwaysClear},
    {R"(C:\KivTanOr5\datPosl.dat)", FixedSave::AlwaysClear},
    {R"(C:\KivTanOr5\datTin.dat)", FixedSave::AlwaysClear},
    {R"(C:\KivTanOr5\AdresaAkt.txt)", FixedSave::ClearWhileDatabaseFieldShown},
};

constexpr SwitchFile kSwitchFiles[] = {
    {R"(C:\KivTanOr5\RozsSWE.dat)", SwitchEffect::ExtendRanges},
    {R"(C:\KivTanOr5\ScaleWindows.dat)", SwitchEffect::ScaleWindow},
    {R"(C:\KivTanOr5\datvegeTXT.dat)", SwitchEffect::ShowVegeTXT},
};

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
std::span<const SwitchFile> switchFiles() {
  return kSwitchFiles;
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

const SwitchFile& switchFile(SwitchEffect effect) {
  const auto found = std::find_if(std::begin(kSwitchFiles), std::end(kSwitchFiles),
                                  [&](const SwitchFile& file) { return file.effect == effect; });
  if (found == std::end(kSwitchFiles)) throw std::out_of_range("no switch file for that effect");
  return *found;
}

}  // namespace tavi::store
