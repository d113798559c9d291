#include "editor/language_window.h"

#include <string>
#include <vector>

#include "texts/language.h"

namespace tavi::editor {
namespace {

std::vector<std::string> languageItems() {
  return {texts::kLanguageCaptions.begin(), texts::kLanguageCaptions.end()};
}

}  // namespace

TForm9::TForm9(forms::Application& app, WindowSet& windows)
    : Form(app, "Form9", "", 296, 420),
      Language(*this, "Language", {16, 12, 264, 340}, "", languageItems()),
      OK(*this, "OK", {16, 368, 120, 36}, "OK"),
      X(*this, "X", {160, 368, 120, 36}, "X"),
      windows_(windows) {
  windows_.Form9 = this;
}

void TForm9::created() {}

}  // namespace tavi::editor
