#pragma once

#include "texts/text_table.h"

namespace tavi::installer {

// The installer's own messages; 433 shares its number with the editor's table.
inline constexpr texts::MessageNumber kInstallationCompleted = 1;
inline constexpr texts::MessageNumber kUpgradeCompleted = 3;
inline constexpr texts::MessageNumber kInstallComPort = 5;
inline constexpr texts::MessageNumber kScreenSettings = 433;

// The table of the installer window `TForm1`.
texts::TextTable installerTextTable();

}  // namespace tavi::installer
