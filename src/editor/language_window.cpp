#include "editor/language_window.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "store/settings_catalogue.h"
#include "store/settings_paths.h"
#include "store/suite_files.h"
#include "texts/language.h"

namespace tavi::editor {
namespace {

constexpr forms::Color kLightBlue = forms::Color::rgb(138, 197, 255);

// Two product lines of the suite mark themselves with a file and bring their own icon; the
// second wins when both are installed.
struct IconMarker {
  std::string_view marker;
  std::string_view icon;
};
constexpr std::string_view kProgramFolder = R"(C:\WinLUD)";
constexpr std::array<IconMarker, 2> kIconMarkers = {{
    {store::windowsPath<store::kSettingsFolder, store::kTherapyLibrary>,
     store::windowsPath<kProgramFolder, store::kTherapyIcon>},
    {R"(C:\KivTanOr5\VtrLUDopen.DLL)", store::windowsPath<kProgramFolder, store::kSorbelIcon>},
}};

// The manuals the installer leaves in the settings folder, by their name on the desktop. There
// are three; the other languages get the English one.
using store::kCzechManual;
using store::kEnglishManual;
using store::kGermanManual;
constexpr std::array<std::string_view, 3> kDesktopManuals = {kCzechManual, kEnglishManual,
                                                             kGermanManual};

std::string_view manualOf(texts::LanguageIndex language) {
  switch (language) {
    case texts::kCzech:
      return kCzechManual;
    case texts::kGerman:
      return kGermanManual;
    default:
      return kEnglishManual;
  }
}

// Shown in the general error box when the desktop folder cannot be found; the text is the
// suite's own.
constexpr std::string_view kDesktopNotFound = "Not foud Path.";

std::vector<std::string> languageItems() {
  return {texts::kLanguageCaptions.begin(), texts::kLanguageCaptions.end()};
}

}  // namespace

TForm9::TForm9(forms::Application& app, WindowSet& windows)
    // The window has no texts of its own: its items are the languages' own names.
    : EditorWindow(app, windows, texts::TextTable({}), "Form9", "", 296, 420),
      Language(*this, "Language", {16, 12, 264, 340}, "", languageItems()),
      OK(*this, "OK", {16, 368, 120, 36}, "OK"),
      X(*this, "X", {160, 368, 120, 36}, "X") {
  windows_.Form9 = this;
  Language.setSpokenName(std::string(texts::kLanguageChoiceName));
  OK.onClick = [this] { OKClick(); };
  X.onClick = [this] { XClick(); };
}

void TForm9::FormCreate() {
  centre();
  const forms::Color colour =
      windows_.files.FlagExists(store::kDarkThemeFlag) ? forms::Color::grayText() : kLightBlue;
  setColor(colour);
  Language.setColor(colour);
  const platform::Platform& platform = windows_.files.platform();
  for (const IconMarker& entry : kIconMarkers) {
    if (platform.fileExists(entry.marker) && platform.fileExists(entry.icon)) {
      setIconFile(std::string(entry.icon));
    }
  }
}

void TForm9::OKClick() {
  const texts::LanguageIndex language = Language.itemIndex();
  if (language < 0) {
    hide();
    return;
  }
  // The language in force stays until the next start; only the file changes now.
  texts::storeLanguage(windows_.files, language);
  if (placeManual(language)) app().terminate();
}

bool TForm9::placeManual(texts::LanguageIndex language) {
  platform::Platform& platform = windows_.files.platform();
  const std::string desktop = platform.desktopFolder();
  if (desktop.empty()) {
    // Without a desktop no manual is touched, and the editor stays open although the language
    // is stored already.
    app().desktop().showError(kDesktopNotFound);
    return false;
  }
  const std::string folder = desktop.ends_with('\\') ? desktop : desktop + '\\';
  for (std::string_view manual : kDesktopManuals)
    platform.deleteFile(folder + std::string(manual));
  // A manual missing from the installation is no reason to keep the editor open.
  const std::string_view manual = manualOf(language);
  platform.copyFile(std::string(store::kSettingsFolder) + "\\" + std::string(manual),
                    folder + std::string(manual));
  return true;
}

void TForm9::XClick() {
  hide();
}

}  // namespace tavi::editor
