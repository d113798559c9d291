#include "editor/editor_window.h"

#include <utility>

namespace tavi::editor {

EditorWindow::EditorWindow(forms::Application& app, WindowSet& windows, texts::TextTable table,
                           std::string name, std::string caption, int clientWidth, int clientHeight)
    : Form(app, std::move(name), std::move(caption), clientWidth, clientHeight),
      windows_(windows),
      table_(table) {}

std::string EditorWindow::FATisk(texts::MessageNumber volba) const {
  return std::string(table_.editorText(volba, windows_.Languagem));
}

}  // namespace tavi::editor
