#include "editor/main_window/main_window.h"

#include <stdexcept>
#include <string>

namespace tavi::editor {

void TForm8::created() {
  // The load is the hidden button's click; a failure is reported by the creation's error
  // boundary and leaves the rest of the window as designed.
  vyplnsetClick();
}

TForm8::GroupRow TForm8::groupRow(std::string_view key) {
  const catalogue::ProductGroup* group = catalogue::findGroup(key);
  if (group == nullptr) throw std::out_of_range("no product group " + std::string(key));
  // The catalogue names each group's controls; the window holds them under those names.
  auto control = [this](std::string_view name) -> forms::Control& {
    forms::Control* found = findControl(name);
    if (found == nullptr) throw std::logic_error("the main window lacks " + std::string(name));
    return *found;
  };
  return GroupRow{*group, static_cast<forms::Button&>(control(group->key)),
                  static_cast<forms::Button&>(control(group->selectAllButton)),
                  static_cast<forms::CheckBox&>(control(group->allSelectedIndicator)),
                  static_cast<forms::CheckBox&>(control(group->anySelectedIndicator))};
}

void TForm8::KonecClick() {
  // Unsaved changes are dropped without a question.
  app().terminate();
}

void TForm8::bindHandlers() {
  Konec.onClick = [this] { KonecClick(); };
  VyplnCtverecky.onClick = [this] { VyplnCtvereckyClick(); };
  MePreparat.onClick = [this] { MePreparatClick(); };
  bindGroupHandlers();
  bindOptionHandlers();
  bindLoadSaveHandlers();
}

}  // namespace tavi::editor
