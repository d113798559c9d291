#include "editor/editor_window.h"

#include <utility>

#include "texts/message_values.h"
#include "texts/program_messages_table.h"

namespace tavi::editor {

EditorWindow::EditorWindow(forms::Application& app, WindowSet& windows, texts::TextTable table,
                           std::string name, std::string caption, int clientWidth, int clientHeight)
    : Form(app, std::move(name), std::move(caption), clientWidth, clientHeight),
      windows_(windows),
      table_(table) {}

std::string EditorWindow::FATisk(texts::MessageNumber volba) const {
  return std::string(table_.editorText(volba, windows_.Languagem));
}

std::string EditorWindow::programMessage(texts::MessageNumber number,
                                         std::initializer_list<std::string_view> values) const {
  return texts::withValues(texts::programMessage(number, windows_.Languagem), values);
}

}  // namespace tavi::editor
