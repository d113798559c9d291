#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "editor/main_window/main_window.h"
#include "store/settings_catalogue.h"

namespace tavi::editor {

void TForm8::hideGroupsSwitchedOffGlobally() {
  const store::SettingsFiles& files = windows_.files;
  if (!files.FlagExists(store::kGroupHidingFile)) return;
  const std::vector<std::string> lines = files.ReadListFile(store::kGroupHidingFile);
  const std::span<const store::GroupHidingLine> named = store::groupHidingLines();
  // Lines past the named ones are read by the suite's other programs only; a short file is
  // fine.
  for (std::size_t i = 0; i < lines.size() && i < named.size(); ++i) {
    if (lines[i] != "1") continue;
    const store::GroupHidingLine& hidden = named[i];
    if (hidden.groupRow) {
      const GroupRow row = groupRow(hidden.name);
      for (forms::Control* control : std::array<forms::Control*, 4>{
               &row.open, &row.selectAll, &row.allSelected, &row.anySelected}) {
        control->setVisible(false);
      }
      continue;
    }
    for (std::string_view name : {hidden.name, hidden.infoButton}) {
      if (name.empty()) continue;
      forms::Control* control = findControl(name);
      if (control == nullptr) throw std::logic_error("the main window lacks " + std::string(name));
      control->setVisible(false);
    }
  }
}

}  // namespace tavi::editor
