// bench-install MEDIUM DRIVE_C: installs the suite from an installation medium onto a drive
// C: with the installer's own procedure, without a display, answering its boxes as a person
// who accepts everything would.
#include <filesystem>
#include <iostream>

#include "forms/scripted_desktop.h"
#include "installer/installer.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: bench-install MEDIUM DRIVE_C\n";
    return 2;
  }
  const std::filesystem::path driveC = std::filesystem::absolute(argv[2]);
  std::filesystem::create_directories(driveC / "users" / "demo" / "Desktop");
  tavi::platform::PlatformOptions options;
  options.driveC = driveC;
  options.currentFolder = std::filesystem::absolute(argv[1]);
  options.desktopFolder = R"(C:\users\demo\Desktop)";
  tavi::platform::Platform platform(options);
  tavi::forms::ScriptedDesktop desktop;
  tavi::installer::Installer setup(platform, desktop);
  setup.start();
  for (const std::string& error : desktop.errors())
    std::cerr << "bench-install: " << error << '\n';
  return desktop.errors().empty() ? 0 : 1;
}
