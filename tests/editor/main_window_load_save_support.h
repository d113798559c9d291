#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/main_window/main_window.h"
#include "editor_test_support.h"
#include "forms/controls.h"

namespace tavi::editor::testing {

inline constexpr std::string_view kSettingsFolder = R"(C:\KivTanOr5)";

// The Windows path of a file in the settings folder.
inline std::string settingsFile(std::string_view name) {
  return std::string(kSettingsFolder) + "\\" + std::string(name);
}

// A byte file's content.
inline std::string byteFile(int value) {
  return std::string(1, static_cast<char>(value));
}

// The language file: four bytes, least significant first.
inline std::string languageFile(int language) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8)
    bytes += static_cast<char>((static_cast<unsigned>(language) >> shift) & 0xFF);
  return bytes;
}

// The window's option and product-line boxes: every check box but the group indicators.
inline std::vector<forms::CheckBox*> settingBoxes(TForm8& window) {
  std::vector<forms::CheckBox*> boxes;
  for (forms::Control* control : window.controls()) {
    if (control->kind() != forms::ControlKind::CheckBox || !control->enabled()) continue;
    boxes.push_back(static_cast<forms::CheckBox*>(control));
  }
  return boxes;
}

// The names of the ticked setting boxes.
inline std::vector<std::string> tickedBoxes(TForm8& window) {
  std::vector<std::string> ticked;
  for (forms::CheckBox* box : settingBoxes(window)) {
    if (box->checked()) ticked.push_back(box->name());
  }
  return ticked;
}

// The names of the window's controls that are not visible.
inline std::vector<std::string> hiddenControls(const TForm8& window) {
  std::vector<std::string> hidden;
  for (const forms::Control* control : window.controls()) {
    if (!control->visible()) hidden.push_back(control->name());
  }
  return hidden;
}

}  // namespace tavi::editor::testing
