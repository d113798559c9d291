#include <string>

#include "editor/main_window/folder_paths.h"
#include "editor/main_window/main_window.h"
#include "editor/unstorable_text.h"
#include "store/settings_catalogue.h"

namespace tavi::editor {
namespace {

constexpr int kFolderMissingText = 401;
constexpr int kRestartAfterMovingDatabaseText = 808;

}  // namespace

bool TForm8::folderCanBeStored(std::string_view field, std::string_view folder,
                               std::string_view tested) {
  const platform::Platform& platform = windows_.files.platform();
  if (namesNoFolder(folder) || !platform.folderExists(tested)) {
    app().desktop().showMessage(std::string(field) + FATisk(kFolderMissingText));
    return false;
  }
  if (const std::string reason = unstorableReason(platform, folder); !reason.empty()) {
    app().desktop().showMessage(std::string(field) + "The folder " + std::string(folder) +
                                " cannot be stored: " + reason + ".");
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
