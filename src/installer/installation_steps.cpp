#include <string>
#include <variant>

#include "installer/installation_plan.h"
#include "installer/setup_window.h"

namespace tavi::installer {

void TForm1::RegisterClick() {
  runStage(Stage::Register);
}

void TForm1::runStage(Stage stage) {
  for (const Step& step : kInstallationPlan) {
    if (step.stage == stage) runStep(step.action);
  }
}

void TForm1::runStep(const StepAction& action) {
  struct Runner {
    TForm1& form;

    void operator()(const CreateFolders& step) const {
      for (std::string_view folder : step.folders)
        form.createMissingFolder(folder);
    }
    void operator()(const CopyFolders& step) const {
      for (const FolderCopy& folder : step.folders)
        form.copyAll(folder);
    }
    void operator()(const CopyFiles& step) const {
      for (const FileCopy& copied : step.files)
        form.copy(copied);
    }
    void operator()(const RemoveFiles& step) const {
      for (const FileAt& file : step.files)
        form.remove(file);
    }
    void operator()(const StoreLanguage&) const { form.storeLanguageFile(); }
    void operator()(const PlaceDesktopShortcuts& step) const {
      for (const DesktopShortcut& shortcut : step.shortcuts) {
        if (shortcut.program.empty() || form.platform_.fileExists(shortcut.program)) {
          form.copy(onMedium(shortcut.source), onDesktop(shortcut.name));
        } else {
          form.skipFile();
        }
      }
    }
    void operator()(const PlaceDesktopManuals& step) const {
      for (std::string_view manual : step.manuals) {
        // A language index below zero has no manual; any unknown index above four reads
        // English.
        if (form.Languagem < 0) {
          form.skipFile();
          continue;
        }
        std::string name(manual);
        if (form.Languagem == texts::kGerman && form.platform_.fileExists(name + " DE.pdf")) {
          name += " DE";
        } else if (form.Languagem != texts::kCzech) {
          name += " EN";
        }
        name += ".pdf";
        form.copy(onMedium(name), onDesktop(name));
      }
    }
    void operator()(const PlaceGeneratorManual& step) const {
      form.copy(form.Languagem == texts::kCzech ? step.czech : step.english);
    }
    void operator()(const SetFlag& step) const {
      form.sweepFolderOf(step.flag);
      form.files_.SetFlag(step.flag);
      if (form.log_ != nullptr) form.log_->fileWritten(step.flag);
      form.fileDone(step.flag);
    }
  };
  std::visit(Runner{*this}, action);
}

}  // namespace tavi::installer
