#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "editor/main_window.h"

namespace tavi::editor {
namespace {

// Written by the global settings window; line n holds "1" while the controls of line n are
// hidden throughout the suite.
constexpr std::string_view kGroupHidingFile = R"(C:\KivTanOr5\GlobalSetPrep.dll)";

// What one line hides: a product-line box with its "i" button, a group's whole row, or a
// single button.
struct HiddenByLine {
  std::string_view box;
  std::string_view infoButton;
  std::string_view groupRow;
};

constexpr std::array<HiddenByLine, 29> kLines = {{
    {"Velmira", "IVelmira", {}},
    {"Joalis", "IJoalis", {}},
    {"Energy", "IEnergy", {}},
    {"Diochi", "IDiochi", {}},
    {"doTERRA", "IdoTERRA", {}},
    {"Nadeje", "INadeje", {}},
    {"Bioligo", "IBioligo", {}},
    {"BachBox", "IBachBox", {}},
    {"Australske", "IAustralske", {}},
    {"HerbalExtracts", "IBenedictus", {}},
    {"Schlussler", "ISchlussler", {}},
    {{}, {}, "QuantumMinerals"},
    {{}, {}, "Praparaty"},
    {{}, {}, "Praparaty2"},
    {{}, {}, "Praparaty3"},
    {{}, {}, "FinClub"},
    {{}, {}, "LR"},
    {{}, {}, "Koloidni"},
    {{}, {}, "Zelene"},
    {{}, {}, "HealthDetox"},
    {{}, {}, "BenedictusP"},
    {{}, {}, "Dedek"},
    {{}, {}, "Mycomedika"},
    {"MePreparat", {}, {}},
    {{}, {}, "Harmonelo"},
    {{}, {}, "NuSkin"},
    {{}, {}, "NastrZdr"},
    {{}, {}, "Starlife"},
    {{}, {}, "Zinzino"},
}};

}  // namespace

void TForm8::hideGroupsSwitchedOffGlobally() {
  const store::SettingsFiles& files = windows_.files;
  if (!files.FlagExists(kGroupHidingFile)) return;
  const std::vector<std::string> lines = files.ReadListFile(kGroupHidingFile);
  // Lines past the table are read by the suite's other programs only; a short file is fine.
  for (std::size_t i = 0; i < lines.size() && i < kLines.size(); ++i) {
    if (lines[i] != "1") continue;
    const HiddenByLine& hidden = kLines[i];
    for (std::string_view name : {hidden.box, hidden.infoButton}) {
      if (name.empty()) continue;
      forms::Control* control = findControl(name);
      if (control == nullptr) throw std::logic_error("the main window lacks " + std::string(name));
      control->setVisible(false);
    }
    if (!hidden.groupRow.empty()) {
      const GroupRow row = groupRow(hidden.groupRow);
      for (forms::Control* control : std::array<forms::Control*, 4>{
               &row.open, &row.selectAll, &row.allSelected, &row.anySelected}) {
        control->setVisible(false);
      }
    }
  }
}

}  // namespace tavi::editor
