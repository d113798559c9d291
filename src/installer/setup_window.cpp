#include "installer/setup_window.h"

#include <string>
#include <vector>

#include "forms/color.h"
#include "installer/desktop_folder_error.h"
#include "installer/setup_lists.h"
#include "texts/installer_table.h"

namespace tavi::installer {
namespace {

std::vector<std::string> languageItems() {
  return {texts::kLanguageCaptions.begin(), texts::kLanguageCaptions.end()};
}

// A light blue behind the language choice.
constexpr forms::Color kLanguageColour = forms::Color::fromStored(16762507);

}  // namespace

TForm1::TForm1(forms::Application& app, platform::Platform& platform,
               std::optional<Unattended> unattended)
    : Form(app, "Form1", "Setup Tavi Therapy Scan 7.00", 344, 404),
      Language(*this, "Language", {80, 43, 171, 305}, "", languageItems()),
      Setup(*this, "Setup", {18, 24, 75, 25}, "Setup"),
      Register(*this, "Register", {128, 24, 75, 25}, "Register"),
      // Below the language choice, which is hidden by the time they show.
      Copying(*this, "Copying", {18, 358, 308, 13}, ""),
      Progress(*this, "Progress", {18, 376, 308, 18}),
      platform_(platform),
      unattended_(unattended),
      log_(unattended ? unattended->log : nullptr),
      files_(platform),
      table_(texts::installerTextTable()) {
  // The installer's errors speak its language, as its messages do.
  app.setLanguage([this] { return Languagem; });
  Language.setColor(kLanguageColour);
  Language.setSpokenName(std::string(texts::kLanguageChoiceName));
  Language.onClick = [this] { LanguageClick(); };
  Setup.setVisible(false);
  Setup.onClick = [this] { SetupClick(); };
  Register.setVisible(false);
  Register.onClick = [this] { RegisterClick(); };
  Copying.setVisible(false);
  Progress.setVisible(false);
}

void TForm1::created() {
  // Shown at once, so that an installation that starts right away shows its progress.
  if (!unattended_) {
    centre();
    show();
  }

  dokoncit = false;
  Languagem = texts::kCzech;
  resumed_ = interruptedRun();
  if (resumed_) {
    // The decisions of the run that stopped, so that this one leaves what it would have left.
    Languagem = resumed_->language;
    InstalPort = resumed_->driverStep;
    dokoncit = true;
    SetupClick();
    return;
  }
  if (unattended_ && unattended_->language) {
    Languagem = *unattended_->language;
    dokoncit = true;
  } else if (files_.FlagExists(texts::kLanguageFile)) {
    Languagem = files_.ReadIntFile(texts::kLanguageFile);
    dokoncit = true;
  } else if (files_.FlagExists(kMediumLanguageFile)) {
    Languagem = files_.ReadIntFile(kMediumLanguageFile);
    dokoncit = true;
  } else if (unattended_) {
    // Nobody is there to choose.
    Languagem = texts::kEnglish;
    dokoncit = true;
  } else {
    Language.setItemIndex(-1);
  }
  InstalPort = !platform_.fileExists(kUniverseOnPc) && platform_.fileExists(kUniverseOnMedium);
  if (dokoncit) SetupClick();
}

void TForm1::LanguageClick() {
  if (started_ || Language.itemIndex() < 0) return;
  Languagem = Language.itemIndex();
  Language.setVisible(false);
  app().desktop().processMessages();
  app().desktop().restoreApplication();
  SetupClick();
}

void TForm1::closedByFrame() {
  if (installing_) {
    closeRequested_ = true;
    return;
  }
  Form::closedByFrame();
}

std::string TForm1::GetDesktopDir() const {
  std::string folder = platform_.desktopFolder();
  if (folder.empty()) throw DesktopFolderError();
  return folder;
}

std::string TForm1::FATisk(texts::MessageNumber volba) const {
  return std::string(table_.installerText(volba, Languagem));
}

}  // namespace tavi::installer
