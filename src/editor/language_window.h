#pragma once

#include "editor/editor_window.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/controls.h"

namespace tavi::editor {

// The language window, opened from the main window's flags: the user picks the suite's language.
// Confirming stores it, puts the manual of that language on the desktop and ends the editor, so
// that every program shows the new language from its next start. Its captions are the same in
// every language.
class TForm9 : public EditorWindow {
 public:
  TForm9(forms::Application& app, WindowSet& windows);

  void created() override { FormCreate(); }

  // Centres the window, colours it for the theme and picks its icon by the marker files.
  void FormCreate();
  void OKClick();
  void XClick();

  forms::RadioGroup Language;  // item i is language index i
  forms::Button OK;
  forms::Button X;

 private:
  // Replaces whichever manual lies on the desktop by the one of the language; false when the
  // desktop folder cannot be found.
  bool placeManual(texts::LanguageIndex language);
};

}  // namespace tavi::editor
