#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tavi::store {

// The settings files of the main window `TForm8` and the controls that show them, as data.
// The window's load and save walk these records in their own order; what the records say is
// what each file holds and how its control treats it, not when it is read or written.

enum class FileKind { Flag, Byte, Integer, Line, List };

// A number of the window's text table.
using TextNumber = std::int32_t;

// ---- Value settings: scroll bars, radio groups and edit fields ----

enum class ValueProperty {
  Position,      // a scroll bar's position
  SelectedItem,  // a radio group's selected item
  DecimalText,   // an edit field holding the byte as a decimal number
  Text,          // an edit field holding the text of a line file
};

struct ValueRange {
  int minimum;
  int maximum;
};

enum class WhenAbsent {
  UseDefault,   // the control takes defaultValue
  EmptyText,    // the field is emptied
  KeepControl,  // the control keeps what it shows
};

enum class ValueSave {
  Always,                      // the value is always written
  WhenNotEmpty,                // written when the field holds text, else the file is deleted
  WhenPositive,                // written when 1 or more, else the file is deleted
  WhenOneOrTwoCharacters,      // written when the text has 1 or 2 characters, else deleted
  ExistingFolder,              // a folder path; refuses the whole save when it does not exist
  ExistingFolderWhileVisible,  // the same, only while the field is shown, and never refusing
  WithSensitivityScale,        // converted between the normal and the animal scale
};

struct ValueSetting {
  std::string_view path;
  FileKind kind;
  std::string_view control;
  ValueProperty property;
  std::optional<ValueRange> range{};  // none for free text; a stored value is clamped into it
  // The range while the extension switch C:\KivTanOr5\RozsSWE.dat exists.
  std::optional<ValueRange> extendedRange{};
  WhenAbsent whenAbsent;
  int defaultValue = 0;  // only for WhenAbsent::UseDefault
  ValueSave save;
  bool hiddenControl = false;
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

enum class FlagSave {
  FollowsBox,         // set or cleared by the box
  WithOutputFolder,   // follows the box only while an output folder is given, else cleared
  AfterConfirmation,  // a file that does not exist yet is set only after the user agrees
  WithSensitivity,    // written together with the sensitivity, whose scale it decides
};

struct OptionFlag {
  std::string_view path;
  std::string_view control;
  // Put on the control by the load; none: the control keeps its design caption.
  std::optional<TextNumber> captionText{};
  // For a radio group: the item that the present file stands for.
  std::optional<int> radioItem{};
  FlagSense sense = FlagSense::PresentTicks;
  FlagLoad load = FlagLoad::TicksBox;
  FlagSave save = FlagSave::FollowsBox;
  std::optional<TextNumber> confirmationText{};  // with FlagSave::AfterConfirmation
  bool hiddenControl = false;
  // The control is shown only while this file exists; empty: always shown.
  std::string_view visibleOnlyWith{};
};

// ---- Product lines: one check box and flag file each ----

struct ProductLineFlag {
  std::string_view path;
  std::string_view control;
  int productLine;  // the line whose name is the caption
};

// ---- Files the save writes without looking at any control ----

enum class FixedSave {
  AlwaysSet,
  AlwaysClear,
  ClearWhileDatabaseFieldShown,
};

struct FixedFile {
  std::string_view path;
  FixedSave save;
};

// ---- Files that shape the window at load and are never written by it ----

enum class SwitchEffect {
  ExtendRanges,  // larger sensitivity and "Plus + %" ranges
  ScaleWindow,   // the window is shown smaller and centred
  ShowVegeTXT,   // the `VegeTXT` box is shown
};

struct SwitchFile {
  std::string_view path;
  SwitchEffect effect;
};

std::span<const ValueSetting> valueSettings();
std::span<const OptionFlag> optionFlags();
std::span<const ProductLineFlag> productLineFlags();
std::span<const FixedFile> fixedFiles();
std::span<const SwitchFile> switchFiles();

// The record of a control; throws std::out_of_range for a name the catalogue lacks.
const ValueSetting& valueSetting(std::string_view control);
const OptionFlag& optionFlag(std::string_view control);
const ProductLineFlag& productLineFlag(std::string_view control);
const SwitchFile& switchFile(SwitchEffect effect);

}  // namespace tavi::store
