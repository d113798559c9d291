#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "installer/file_copies.h"
#include "installer/installation_log.h"
#include "installer/installation_plan.h"
#include "installer/run_record.h"
#include "platform/platform.h"
#include "store/settings_files.h"
#include "texts/language.h"
#include "texts/text_table.h"

namespace tavi::installer {

// A run without the window: the language given on the command line, if any, and the log of
// every file handled.
struct Unattended {
  std::optional<texts::LanguageIndex> language;
  InstallationLog* log = nullptr;
};

// The installer's one window. It finds out the language and, once it is known, installs the
// suite from the medium in one pass without questions, shows one completion message and ends
// the program. While it installs, it shows what it copies and how far it has come.
class TForm1 : public forms::Form {
 public:
  TForm1(forms::Application& app, platform::Platform& platform,
         std::optional<Unattended> unattended = std::nullopt);

  // FormCreate: the language from the PC's language file or the medium's, else the choice.
  // Unattended, a language given comes first, and English stands in for the choice.
  void created() override;
  // Closing by the frame while the installation runs is remembered instead of stopping it
  // half way; the program ends when the installation has ended.
  void closedByFrame() override;

  void LanguageClick();
  void SetupClick();
  void RegisterClick();
  // The desktop folder as the system stores it, read anew at every call.
  std::string GetDesktopDir() const;
  std::string FATisk(texts::MessageNumber volba) const;

  // The installer's state.
  texts::LanguageIndex Languagem = texts::kCzech;
  bool dokoncit = false;
  bool InstalPort = false;
  bool instal = false;
  bool upgrade = false;
  std::string Desktopadrstr;

  forms::RadioGroup Language;
  forms::Button Setup;
  forms::Button Register;
  // What the installation is placing, and how far it has come.
  forms::Label Copying;
  forms::ProgressBar Progress;

  // True from the start of the installation to its end, an interruption included.
  bool installing() const { return installing_; }
  // True when the run goes on with an interrupted run's decisions.
  bool resuming() const { return resumed_.has_value(); }

 private:
  void install();
  // The record of an interrupted run, when one is there and can be read.
  std::optional<RunDecisions> interruptedRun() const;
  void recordDecisions();
  void removeRecord();
  void storeLanguageFile();
  void startDriverSetup();
  // Runs the installation plan's steps of one stage, in their order.
  void runStage(Stage stage);
  void runStep(const StepAction& action);

  // File operations of the lists: failures and missing sources are skipped silently, as the
  // medium may lack any file. Each counts as one file of the progress.
  std::string resolve(const FileAt& file);
  void copy(const FileAt& from, const FileAt& to);
  void copy(const FileCopy& copied) { copy(copied.from, copied.to); }
  void copyAll(const FolderCopy& folder);
  void remove(const FileAt& file);
  void createMissingFolder(std::string_view folder);
  bool mediumHoldsLanguage() const;

  void fileDone(std::string_view path);
  void skipFile();
  // Removes what a stopped run left in the file's folder, once per run, before the first write
  // there.
  void sweepFolderOf(std::string_view path);

  platform::Platform& platform_;
  std::optional<Unattended> unattended_;
  InstallationLog* log_ = nullptr;
  store::SettingsFiles files_;
  texts::TextTable table_;
  bool started_ = false;
  bool installing_ = false;
  bool closeRequested_ = false;
  std::set<std::string, std::less<>> sweptFolders_;
  std::optional<RunDecisions> resumed_;
};

}  // namespace tavi::installer
