#pragma once

#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace tavi::editor {

// The language window, opened from the main window's flags: the user picks the suite's language.
// Its captions are the same in every language.
class TForm9 : public forms::Form {
 public:
  TForm9(forms::Application& app, WindowSet& windows);

  void created() override;

  forms::RadioGroup Language;  // item i is language index i
  forms::Button OK;
  forms::Button X;

 private:
  WindowSet& windows_;
};

}  // namespace tavi::editor
