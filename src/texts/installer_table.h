#pragma once

#include "texts/text_table.h"

namespace tavi::texts {

// The installer's own messages; 433 shares its number with the editor's table.
inline constexpr MessageNumber kInstallationCompleted = 1;
inline constexpr MessageNumber kUpgradeCompleted = 3;
inline constexpr MessageNumber kInstallComPort = 5;
inline constexpr MessageNumber kScreenSettings = 433;

// The table of the installer window `TForm1`.
TextTable installerTextTable();

}  // namespace tavi::texts
