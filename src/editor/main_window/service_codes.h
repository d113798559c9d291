#pragma once

#include <optional>
#include <string_view>

#include "editor/global_settings_window.h"
#include "editor/window_set.h"

namespace tavi::editor {

// What a four-digit code typed into the main window's port field runs when `ResetAll` is
// clicked. The codes stand in the port field because no port has four digits.
enum class ServiceFunction {
  GroupHiding,  // the global settings window with the product groups to hide
  Branding,     // the global settings window with the texts and colours of the suite
  Colour,       // the global settings window with the colours only
  SystemReset,  // deletes the suite's hour data, customer and current-address files
};

// The function of a service code; none for any other text. The whole text must match exactly.
std::optional<ServiceFunction> serviceFunction(std::string_view text);

// Opens the global settings window in a mode, for BtColor and for the service codes.
void openGlobalSettings(const WindowSet& windows, GlobalSettingsMode mode);

}  // namespace tavi::editor
