#include <iterator>

#include "installer/desktop_folder_error.h"
#include "installer/installer_texts.h"
#include "installer/register_lists.h"
#include "installer/setup_lists.h"
#include "installer/setup_window.h"

namespace tavi::installer {
namespace {

// Ends the installation's run however it ends: a close asked for meanwhile is carried out now,
// also when an error stopped the installation half way.
class InstallationRun {
 public:
  InstallationRun(bool& installing, const bool& closeRequested, forms::Application& app)
      : installing_(installing), closeRequested_(closeRequested), app_(app) {
    installing_ = true;
  }
  ~InstallationRun() {
    installing_ = false;
    if (closeRequested_) app_.terminate();
  }
  InstallationRun(const InstallationRun&) = delete;
  InstallationRun& operator=(const InstallationRun&) = delete;

 private:
  bool& installing_;
  const bool& closeRequested_;
  forms::Application& app_;
};

constexpr int fileCount(std::span<const FolderCopy> folders) {
  int count = 0;
  for (const FolderCopy& folder : folders)
    count += nameCount(folder.names);
  return count;
}

// The colour flag, then the copies of the driver step.
constexpr int kDriverStepFiles = 1 + static_cast<int>(std::size(kDriverStepCopies));

}  // namespace

void TForm1::SetupClick() {
  // One installation per run of the program.
  if (started_) return;
  started_ = true;
  const InstallationRun run(installing_, closeRequested_, app());
  try {
    install();
  } catch (const DesktopFolderError& error) {
    // Ends the installation like any error; the steps done so far stay done.
    app().desktop().showError(error.what());
  }
}

int TForm1::plannedFiles() const {
  int count = fileCount(kAlwaysCopied);
  if (instal) count += nameCount(kDefaultSettings.names) + 1;  // and the language file
  count += nameCount(kPictures.names) + nameCount(kProgramLists.names);
  count += registerFiles();
  if (InstalPort) count += kDriverStepFiles;
  return count;
}

void TForm1::install() {
  upgrade = platform_.fileExists(kCustomerFile);
  instal = !upgrade;
  if (log_ != nullptr) log_->installing(instal, Languagem);

  Language.setVisible(false);
  Progress.setPosition(0);
  Progress.setMax(plannedFiles());
  Copying.setCaption("");
  Copying.setVisible(true);
  Progress.setVisible(true);
  app().desktop().processMessages();

  for (std::string_view folder : kTargetFolders)
    createMissingFolder(folder);
  for (const FolderCopy& folder : kAlwaysCopied)
    copyAll(folder);
  if (instal) {
    copyAll(kDefaultSettings);
    storeLanguageFile();
  }
  copyAll(kPictures);
  copyAll(kProgramLists);
  RegisterClick();
  // The copies are flushed once here rather than one by one: "completed" still means on the disk.
  platform_.flushCopies();

  app().desktop().showMessage(FATisk(instal ? kInstallationCompleted : kUpgradeCompleted));
  if (InstalPort) startDriverSetup();
  app().terminate();
}

void TForm1::storeLanguageFile() {
  if (mediumHoldsLanguage()) {
    copy(onMedium(kMediumLanguageFile), onPc(texts::kLanguageFile));
  } else {
    files_.WriteIntFile(texts::kLanguageFile, Languagem);
    if (log_ != nullptr) log_->fileWritten(texts::kLanguageFile);
    fileDone(texts::kLanguageFile);
  }
}

void TForm1::startDriverSetup() {
  const bool driverInPlace = platform_.fileExists(kUniverseOnPc) &&
                             platform_.fileExists(kDriverShortcut) &&
                             platform_.fileExists(kDriverSetup);
  if (!driverInPlace) {
    Progress.setPosition(Progress.max());
    app().desktop().processMessages();
    app().desktop().showMessage(FATisk(kInstallComPort));
    return;
  }
  files_.SetFlag(kGeneratorColourFlag);
  if (log_ != nullptr) log_->fileWritten(kGeneratorColourFlag);
  fileDone(kGeneratorColourFlag);
  for (std::string_view folder : kGeneratorFolders)
    createMissingFolder(folder);
  for (const FileCopy& copied : kDriverStepCopies)
    copy(copied);
  platform_.flushCopies();
  createMissingFolder(kSettingsFolder);
  // The driver's own set-up runs on its own; the installer does not wait for it.
  app().desktop().shellOpen(kDriverShortcut);
}

}  // namespace tavi::installer
