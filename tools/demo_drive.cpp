#include "tools/demo_drive.h"

#include "forms/scripted_desktop.h"
#include "installer/installer.h"
#include "platform/platform.h"
#include "tools/demo_medium.h"

namespace tavi::tools {

DemoInstallation installDemoDrive(const DemoDrive& drive, int language) {
  writeDemoMedium(drive.medium(), {.language = language});
  std::filesystem::create_directories(drive.desktop());

  platform::PlatformOptions options;
  options.driveC = drive.driveC();
  options.currentFolder = drive.medium();
  options.desktopFolder = DemoDrive::kDesktopPath;
  platform::Platform platform(options);
  forms::ScriptedDesktop desktop;
  installer::Installer setup(platform, desktop);
  setup.start();
  return {desktop.messages(), desktop.errors()};
}

}  // namespace tavi::tools
