#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "store/settings_paths.h"

namespace tavi::store {

// The settings files of the editor, each named here once, with what the code needs to know of
// it. The windows' load and save read these records in their own order.

// A number of the window's text table.
using TextNumber = std::int32_t;

// ---- Files that more than one window or step names ----

// The practitioner's own preparations, one per line; the main window offers its button only
// once the list exists.
inline constexpr std::string_view kOwnPreparationsFile = R"(C:\KivTanOr5\Preparat.txt)";
// The dark theme of the main window; the selection and language windows follow the stored
// flag, not the box.
inline constexpr std::string_view kDarkThemeFlag = R"(C:\KivTanOr5\DarkColor.dat)";
// The COM port, one or two characters on one line.
inline constexpr std::string_view kComPortFile = R"(C:\KivTanOr5\COM_Nr.dat)";
// Where the suite's programs start in the database; cleared when its folder changes and by a
// system reset.
inline constexpr std::string_view kCurrentAddressFile = R"(C:\KivTanOr5\AdresaAkt.txt)";
// Larger sensitivity and "Plus + %" ranges; set and cleared by one of the tiny buttons.
inline constexpr std::string_view kExtendedRangesSwitch = R"(C:\KivTanOr5\RozsSWE.dat)";
// The main window is shown smaller and centred; also the flag of the ScaleWindows box.
inline constexpr std::string_view kScaleWindowsFlag = R"(C:\KivTanOr5\ScaleWindows.dat)";
// The generator tool's colour option: the NevT_Color box, set by the installer's driver step.
inline constexpr std::string_view kGeneratorColourFlag = R"(C:\KivTanOr5\NevT_Color.dat)";
// The suite's other programs keep their customers here; the installer takes its presence for
// an installed suite, and a system reset deletes it.
inline constexpr std::string_view kCustomerFile = R"(C:\KivTanOr5\customer15.dat)";
// The VegeTXT box is shown.
inline constexpr std::string_view kVegeTxtSwitch = R"(C:\KivTanOr5\datvegeTXT.dat)";

// The suite expects the first two always (the load ticks `Velmira` regardless, and the save
// never looks at that box); the retired ones are older options it no longer offers, cleared by
// every save.
// The installer's default settings carry both, by name.
inline constexpr std::string_view kVelmiraFlagName = "datVelB.dat";
inline constexpr std::string_view kFedFlagName = "datFED.dat";
inline constexpr std::string_view kVelmiraFlag = windowsPath<kSettingsFolder, kVelmiraFlagName>;
inline constexpr std::string_view kFedFlag = windowsPath<kSettingsFolder, kFedFlagName>;
inline constexpr std::string_view kRetiredFlags[] = {
    R"(C:\KivTanOr5\datKoloid.dat)", R"(C:\KivTanOr5\datOres.dat)",  R"(C:\KivTanOr5\datFinCl.dat)",
    R"(C:\KivTanOr5\datMiner.dat)",  R"(C:\KivTanOr5\datCplus.dat)", R"(C:\KivTanOr5\datPosl.dat)",
    R"(C:\KivTanOr5\datTin.dat)"};

// ---- Product lines and groups hidden suite-wide ----

// Written by the global settings window, read by the main window's load and the suite's
// programs: line n is "1" while what line n names is hidden. Lines after the named ones are
// kept for later use and always "0".
// The installer copies the medium's, by name.
inline constexpr std::string_view kGroupHidingFileName = "GlobalSetPrep.dll";
inline constexpr std::string_view kGroupHidingFile =
    windowsPath<kSettingsFolder, kGroupHidingFileName>;
inline constexpr int kGroupHidingFileLines = 52;

// What one line hides on the main window: a product-line box with its "i" button, a group's
// whole row, or a single button. The global settings window's box of the line has the name too.
struct GroupHidingLine {
  std::string_view name;          // of the box, or the key of the group
  std::string_view infoButton{};  // only for a product line
  bool groupRow = false;
};
std::span<const GroupHidingLine> groupHidingLines();

// ---- Value settings: scroll bars, radio groups and edit fields ----

// Two of them come with the installer's default settings, by name.
inline constexpr std::string_view kOutputFolderFileName = "0cestaEx.txt";
inline constexpr std::string_view kSensitivityFileName = "datC.dat";

struct ValueSetting {
  std::string_view path;
  std::string_view control;
  // Taken when the file is absent.
  int defaultValue = 0;
  // The range's maximum while kExtendedRangesSwitch exists.
  std::optional<int> extendedMaximum{};
};

// ---- Option flags: check boxes, and one radio item, shown by a flag file ----

enum class FlagSense {
  PresentTicks,    // the file exists while the box is ticked
  PresentUnticks,  // inverted: the file exists while the box is unticked
};

enum class FlagLoad {
  TicksBox,  // the load sets the box from the file
  NotRead,   // the load leaves the box unticked whatever the file says
};

struct OptionFlag {
  std::string_view path;
  std::string_view control;
  // For a radio group: the item that the present file stands for.
  std::optional<int> radioItem{};
  FlagSense sense = FlagSense::PresentTicks;
  FlagLoad load = FlagLoad::TicksBox;
  // A file that does not exist yet is set only after the user agrees to this question.
  std::optional<TextNumber> confirmationText{};
};

// ---- Product lines: one check box and flag file each ----

struct ProductLineFlag {
  std::string_view path;
  std::string_view control;
  int productLine;  // the line whose name is the caption
};

// ---- Files the save writes without looking at any control ----

struct FixedFile {
  std::string_view path;
};

std::span<const ValueSetting> valueSettings();
std::span<const OptionFlag> optionFlags();
std::span<const ProductLineFlag> productLineFlags();
std::span<const FixedFile> fixedFiles();

// The record of a control; throws std::out_of_range for a name the catalogue lacks.
const ValueSetting& valueSetting(std::string_view control);
const OptionFlag& optionFlag(std::string_view control);
const ProductLineFlag& productLineFlag(std::string_view control);

}  // namespace tavi::store
