#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "editor/window_set.h"
#include "forms/form.h"
#include "texts/text_table.h"

namespace tavi::editor {

// What every window of the editor has: the program-wide window set with its settings files and
// language, and its own text table.
class EditorWindow : public forms::Form {
 public:
  // The window's text in the current language.
  std::string FATisk(texts::MessageNumber volba) const;
  // One of the programs' own messages in the current language, with its values put in.
  std::string programMessage(texts::MessageNumber number,
                             std::initializer_list<std::string_view> values = {}) const;

 protected:
  EditorWindow(forms::Application& app, WindowSet& windows, texts::TextTable table,
               std::string name, std::string caption, int clientWidth, int clientHeight);

  WindowSet& windows_;

 private:
  texts::TextTable table_;
};

}  // namespace tavi::editor
