#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavi::tools {

// A demo installation in one folder: "medium" (a generated installation medium),
// "wineprefix/drive_c" (drive C:, as a Wine prefix holds it) and the desktop folder
// "wineprefix/drive_c/users/demo/Desktop".
struct DemoDrive {
  std::filesystem::path folder;

  std::filesystem::path medium() const { return folder / "medium"; }
  std::filesystem::path wineprefix() const { return folder / "wineprefix"; }
  std::filesystem::path driveC() const { return wineprefix() / "drive_c"; }
  std::filesystem::path desktop() const { return driveC() / "users" / "demo" / "Desktop"; }
  static constexpr const char* kDesktopPath = R"(C:\users\demo\Desktop)";
};

struct DemoInstallation {
  std::vector<std::string> messages;  // what the installer said, in order
  std::vector<std::string> errors;
};

// Writes the medium with the language file and runs the installer on it without a display,
// answering its boxes; the drive then holds a fresh installation in that language.
DemoInstallation installDemoDrive(const DemoDrive& drive, int language);

}  // namespace tavi::tools
