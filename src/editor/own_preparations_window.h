#pragma once

#include <string>

#include "editor/editor_window.h"
#include "editor/fill_state.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "store/text_encoding.h"
#include "texts/text_table.h"

namespace tavi::editor {

// The practitioner's own preparations, one name per line of their file
// (store::kOwnPreparationsFile), edited as plain text. The list is refused while it holds an empty
// or a repeated name. The main window opens it with show() followed by NastavClick().
class TForm25 : public EditorWindow {
 public:
  TForm25(forms::Application& app, WindowSet& windows);

  // Fill: language, texts and the list as the file holds it now.
  void NastavClick();
  void UlozClick();
  void KonecClick();
  // The frame's close box does what Konec does.
  void closedByFrame() override { KonecClick(); }

  forms::Memo MemoNONE;
  forms::Button Uloz;
  forms::Button Konec;
  forms::Button Nastav;

 private:
  void fill();

  // The list goes back in the encoding it came in.
  store::TextEncoding listEncoding_ = store::TextEncoding::Ansi;
  FillState filled_;
};

}  // namespace tavi::editor
