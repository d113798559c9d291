#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "editor/global_settings_window.h"
#include "editor/main_window/main_window.h"
#include "editor/main_window/service_codes.h"
#include "store/settings_catalogue.h"
#include "texts/text_table.h"

namespace tavi::editor {
namespace {

constexpr std::array<std::pair<std::string_view, ServiceFunction>, 4> kServiceCodes = {{
    {"4815", ServiceFunction::GroupHiding},
    {"3702", ServiceFunction::Branding},
    {"5146", ServiceFunction::Colour},
    {"8059", ServiceFunction::SystemReset},
}};

// The measurement data of the suite's programs that a system reset throws away: the current
// address of each program line, the customers and the hour data. The editor reads none of them.
constexpr std::array<std::string_view, 8> kResetFiles = {
    store::kCurrentAddressFile,
    R"(C:\KivTanOr5\AdresaAktNev.txt)",
    R"(C:\KivTanOr5\AdresaAktNevT.txt)",
    R"(C:\KivTanOr5\customer5.dat)",
    store::kCustomerFile,
    R"(C:\KivTanOr5\DataHodAll.dat)",
    R"(C:\KivTanOr5\DataHodinovka.dat)",
    R"(C:\KivTanOr5\DataHodNow.dat)",
};

constexpr texts::MessageNumber kResetQuestion = 126;

}  // namespace

std::optional<ServiceFunction> serviceFunction(std::string_view text) {
  for (const auto& [code, function] : kServiceCodes) {
    if (text == code) return function;
  }
  return std::nullopt;
}

void TForm8::restoreComField() {
  // The stored port; only the main window's save writes it.
  COM_Nr.setText(storedLine(store::kComPortFile));
}

void openGlobalSettings(const WindowSet& windows, GlobalSettingsMode mode) {
  if (windows.Form27 == nullptr) throw std::logic_error("the global settings window is missing");
  windows.Form27->open(mode);
}

void TForm8::ResetAllClick() {
  ResetAll.setVisible(false);
  // The code typed is read once: the stored port put back below may itself look like a code,
  // and one click runs one function at most.
  const std::optional<ServiceFunction> function = serviceFunction(COM_Nr.text());
  if (!function) return;
  // Each function first puts the stored port back, so the code is neither left on the screen
  // nor saved.
  const std::array<std::pair<ServiceFunction, GlobalSettingsMode>, 3> windowFunctions = {{
      {ServiceFunction::GroupHiding, GlobalSettingsMode::GroupHiding},
      {ServiceFunction::Branding, GlobalSettingsMode::Branding},
      {ServiceFunction::Colour, GlobalSettingsMode::Colour},
  }};
  for (const auto& [windowFunction, mode] : windowFunctions) {
    if (function == windowFunction) {
      restoreComField();
      openGlobalSettings(windows_, mode);
      return;
    }
  }

  if (!app().desktop().confirm(FATisk(kResetQuestion))) {
    restoreComField();
    return;
  }
  for (std::string_view file : kResetFiles)
    windows_.files.ClearFlag(file);
  app().desktop().processMessages();
  app().desktop().restoreApplication();
  app().terminate();
}

}  // namespace tavi::editor
