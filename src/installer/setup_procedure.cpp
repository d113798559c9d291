#include "installer/desktop_folder_error.h"
#include "installer/installation_plan.h"
#include "installer/setup_lists.h"
#include "installer/setup_window.h"
#include "platform/io_error.h"
#include "store/settings_paths.h"
#include "texts/installer_table.h"

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

void TForm1::install() {
  upgrade = resumed_ ? !resumed_->fullInstallation : platform_.fileExists(kCustomerFile);
  instal = !upgrade;
  if (log_ != nullptr) {
    if (resumed_) log_->resuming(kRunRecord);
    log_->installing(instal, Languagem);
  }
  recordDecisions();

  Language.setVisible(false);
  Progress.setPosition(0);
  Progress.setMax(plannedFiles(instal, InstalPort));
  Copying.setCaption("");
  Copying.setVisible(true);
  Progress.setVisible(true);
  app().desktop().processMessages();

  for (const Step& step : kInstallationPlan) {
    if (step.stage == Stage::Setup || (step.stage == Stage::FullInstallation && instal)) {
      runStep(step.action);
    }
  }
  RegisterClick();
  // The copies are flushed once here rather than one by one: "completed" still means on the disk.
  platform_.flushCopies();
  // Complete once its files are on the disk: closed at the box below, it is not run again.
  removeRecord();

  app().desktop().showMessage(
      FATisk(instal ? texts::kInstallationCompleted : texts::kUpgradeCompleted));
  if (InstalPort) startDriverSetup();
  app().terminate();
}

std::optional<RunDecisions> TForm1::interruptedRun() const {
  if (!platform_.fileExists(kRunRecord)) return std::nullopt;
  try {
    return decodeRunRecord(platform_.readFile(kRunRecord));
  } catch (const platform::IoError&) {
    // A record that cannot be read is no record: the run decides anew.
    return std::nullopt;
  }
}

void TForm1::recordDecisions() {
  // Its folder is the first the installation needs; creating it early changes nothing else.
  createMissingFolder(store::kSettingsFolder);
  sweepFolderOf(kRunRecord);
  platform_.writeFile(kRunRecord, encodeRunRecord({instal, InstalPort, Languagem}));
}

void TForm1::removeRecord() {
  if (platform_.deleteFile(kRunRecord) || !platform_.fileExists(kRunRecord)) return;
  // A record left behind would make the next run repeat this one, a full installation over the
  // user's settings; an empty one is not trusted, and its write says why when it fails too.
  platform_.writeFile(kRunRecord, "");
}

void TForm1::storeLanguageFile() {
  if (mediumHoldsLanguage()) {
    copy(onMedium(kMediumLanguageFile), onPc(texts::kLanguageFile));
  } else {
    sweepFolderOf(texts::kLanguageFile);
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
    app().desktop().showMessage(FATisk(texts::kInstallComPort));
    return;
  }
  runStage(Stage::DriverSetup);
  platform_.flushCopies();
  // The driver's own set-up runs on its own; the installer does not wait for it.
  app().desktop().shellOpen(kDriverShortcut);
}

}  // namespace tavi::installer
