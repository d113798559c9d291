#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

#include "editor/main_window/folder_paths.h"
#include "editor/main_window/main_window.h"
#include "editor/unstorable_text.h"
#include "store/settings_catalogue.h"
#include "texts/characters.h"
#include "texts/program_messages_table.h"

namespace tavi::editor {
namespace {

std::string_view valuePath(std::string_view control) {
  return store::valueSetting(control).path;
}

// The hidden zoom field only ever holds a byte the load put there.
std::uint8_t zoomByte(std::string_view text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > 255) {
    throw std::invalid_argument("the zoom field holds no byte: " + std::string(text));
  }
  return static_cast<std::uint8_t>(value);
}

// Other programs keep the sensitivity on a scale three times finer while the animal
// scale is on, so a change of scale converts the stored value.
int storedSensitivity(int position, bool animalBefore, bool animalAfter) {
  if (!animalBefore && animalAfter) return static_cast<int>(std::lround(position / 3.0));
  if (animalBefore && !animalAfter) return std::min(position * 3, 100);
  return position;
}

constexpr int kFolderMissingText = 401;
constexpr int kRestartAfterMovingDatabaseText = 808;

}  // namespace

void TForm8::UlozClick() {
  if (!loaded_.allowsSave(app().desktop(), windows_.Languagem)) return;
  store::SettingsFiles& files = windows_.files;
  bool VseOK = true;
  // Hidden while the save runs, so it cannot be pressed twice.
  Uloz.setVisible(false);
  try {
    files.WriteByteFile(valuePath("VelPism"), static_cast<std::uint8_t>(VelPism.position()));
    if (!ZoomWin.text().empty()) {
      files.WriteByteFile(valuePath("ZoomWin"), zoomByte(ZoomWin.text()));
    } else {
      files.ClearFlag(valuePath("ZoomWin"));
    }
    files.WriteByteFile(valuePath("nastav_limit"),
                        static_cast<std::uint8_t>(nastav_limit.position()));
    files.WriteByteFile(valuePath("detail_samost3"),
                        static_cast<std::uint8_t>(std::max(detail_samost3.itemIndex(), 0)));
    for (const forms::ScrollBar* bar : {&pricist, &PlusRife}) {
      // No step is the default, kept by having no file.
      if (bar->position() <= 0) {
        files.ClearFlag(valuePath(bar->name()));
      } else {
        files.WriteByteFile(valuePath(bar->name()), static_cast<std::uint8_t>(bar->position()));
      }
    }
    // The field's own check vets the digits; anything but one or two characters is no port.
    const std::size_t portLength = texts::characterCount(COM_Nr.text());
    if (portLength == 1 || portLength == 2) {
      files.WriteLineFile(valuePath("COM_Nr"), COM_Nr.text());
    } else {
      files.ClearFlag(valuePath("COM_Nr"));
    }

    if (!saveOutputFolder()) {
      Uloz.setVisible(true);
      setFocus(Cesta);
      return;
    }
    files.SetFlag(store::kVelmiraFlag);
    saveFirmwareOption();
    saveOptionFlags();
    saveProductLines();
    const std::string_view method = store::optionFlag("Zpusob_mereni").path;
    if (Zpusob_mereni.itemIndex() == 1) {
      files.SetFlag(method);
    } else {
      files.ClearFlag(method);
    }
    saveSensitivity();
    if (CestaDBZ.visible()) VseOK = saveDatabaseFolder();
  } catch (...) {
    // The user must be able to try again once the cause is removed.
    Uloz.setVisible(true);
    throw;
  }
  Uloz.setVisible(true);
  if (VseOK) app().terminate();
}

void TForm8::saveFlag(const forms::CheckBox& box) {
  const store::OptionFlag& flag = store::optionFlag(box.name());
  const bool present =
      flag.sense == store::FlagSense::PresentTicks ? box.checked() : !box.checked();
  if (present) {
    windows_.files.SetFlag(flag.path);
  } else {
    windows_.files.ClearFlag(flag.path);
  }
}

void TForm8::saveFirmwareOption() {
  // Only some devices take the new firmware, so switching it on is confirmed once.
  store::SettingsFiles& files = windows_.files;
  const store::OptionFlag& flag = store::optionFlag("NewVesion");
  if (!NewVesion.checked()) {
    files.ClearFlag(flag.path);
  } else if (!files.FlagExists(flag.path)) {
    if (app().desktop().confirm(FATisk(*flag.confirmationText))) {
      files.SetFlag(flag.path);
    } else {
      NewVesion.setChecked(false);
      files.ClearFlag(flag.path);
    }
  }
}

void TForm8::saveOptionFlags() {
  for (const forms::CheckBox* box :
       {&YearFirs,    &NevT_Color, &VegeTXT,    &ProtokolSUMA, &DarkColor, &ScaleWindows,
        &ProcZobr,    &SlowPC,     &BezDiakrit, &BezDiakrit2,  &OpenLast,  &DetekMaxToDo,
        &MtdVsbl,     &PckPrep,    &ZobrVPrep,  &Automat,      &PosF,      &PosF2,
        &EmailTiming, &PrgRavo,    &PrgElzapp,  &CheckProgram}) {
    saveFlag(*box);
  }
}

void TForm8::saveProductLines() {
  store::SettingsFiles& files = windows_.files;
  auto saveLine = [&files](const forms::CheckBox& box) {
    const std::string_view path = store::productLineFlag(box.name()).path;
    if (box.checked()) {
      files.SetFlag(path);
    } else {
      files.ClearFlag(path);
    }
  };
  for (const forms::CheckBox* box : {&Joalis, &Energy, &Nadeje, &BachBox, &Diochi})
    saveLine(*box);
  saveFlag(AddFile);
  files.SetFlag(store::kFedFlag);
  for (const forms::CheckBox* box : {&Bioligo, &doTERRA, &Schlussler, &Australske, &HerbalExtracts})
    saveLine(*box);
  for (std::string_view retired : store::kRetiredFlags)
    files.ClearFlag(retired);
}

void TForm8::saveSensitivity() {
  store::SettingsFiles& files = windows_.files;
  const std::string_view animal = store::optionFlag("Animal").path;
  const bool animalBefore = files.FlagExists(animal);
  if (Animal.checked()) {
    files.SetFlag(animal);
  } else {
    files.ClearFlag(animal);
  }
  files.WriteByteFile(valuePath("nastav_citlivost"),
                      static_cast<std::uint8_t>(storedSensitivity(nastav_citlivost.position(),
                                                                  animalBefore, Animal.checked())));
}

bool TForm8::folderCanBeStored(std::string_view field, std::string_view folder,
                               std::string_view tested) {
  const platform::Platform& platform = windows_.files.platform();
  if (namesNoFolder(folder) || !platform.folderExists(tested)) {
    app().desktop().showMessage(std::string(field) + FATisk(kFolderMissingText));
    return false;
  }
  if (const std::string reason = unstorableReason(platform, folder, windows_.Languagem);
      !reason.empty()) {
    app().desktop().showMessage(std::string(field) +
                                programMessage(texts::kFolderNotStorable, {folder, reason}));
    return false;
  }
  return true;
}

bool TForm8::saveOutputFolder() {
  store::SettingsFiles& files = windows_.files;
  const std::string_view path = store::valueSetting("Cesta").path;
  const std::string_view subfolderFlag = store::optionFlag("Podadresar").path;
  if (Cesta.text().empty()) {
    // Without an output folder there is nothing to make a subfolder in.
    files.ClearFlag(path);
    files.ClearFlag(subfolderFlag);
    return true;
  }
  Cesta.setText(normalisedFolderPath(Cesta.text()));
  const std::string& folder = Cesta.text();
  if (!folderCanBeStored("DIR: ", folder, folder.substr(0, folder.size() - 1))) {
    Cesta.setText(storedLine(path));
    return false;
  }
  files.WriteLineFile(path, folder);
  if (Podadresar.checked()) {
    files.SetFlag(subfolderFlag);
  } else {
    files.ClearFlag(subfolderFlag);
  }
  return true;
}

bool TForm8::saveDatabaseFolder() {
  store::SettingsFiles& files = windows_.files;
  const std::string_view path = store::valueSetting("CestaDBZ").path;
  bool accepted = true;
  if (CestaDBZ.text().empty()) {
    files.ClearFlag(path);
  } else {
    CestaDBZ.setText(normalisedFolderPath(CestaDBZ.text()));
    if (folderCanBeStored("DBZ: ", CestaDBZ.text(), CestaDBZ.text())) {
      files.WriteLineFile(path, CestaDBZ.text());
    } else {
      accepted = false;
      CestaDBZ.setText(storedLine(path));
      setFocus(CestaDBZ);
    }
  }
  // Not read by this program: the suite finds its current database address again after the
  // database folder may have changed.
  files.ClearFlag(store::kCurrentAddressFile);
  // Either answer ends the program: moving the database is the user's own work.
  if (accepted) app().desktop().confirm(FATisk(kRestartAfterMovingDatabaseText));
  return accepted;
}

}  // namespace tavi::editor
