#pragma once

#include <functional>
#include <optional>

#include "expected_installation.h"
#include "forms/scripted_desktop.h"
#include "installed_tree.h"
#include "installer/installer.h"
#include "support/test_drive.h"
#include "test_medium.h"

namespace tavi::installer::testing {

// The scripted desktop with a hook into the installation's repaints, where a person could act.
class WatchingDesktop : public forms::ScriptedDesktop {
 public:
  void processMessages() override {
    ScriptedDesktop::processMessages();
    if (onProcessMessages) onProcessMessages();
  }
  std::function<void()> onProcessMessages;
};

// A PC without the suite (or as a scenario leaves it), a medium and the installer on them.
class InstallerRun {
 public:
  explicit InstallerRun(const Scenario& scenario = {}, std::string desktopFolder = kDesktop);
  InstallerRun(const InstallerRun&) = delete;
  InstallerRun& operator=(const InstallerRun&) = delete;

  // Lays out the scenario on the PC: the customer file of an upgrade, an installed
  // "Tavi Universe.exe", a file where a folder is expected.
  void prepare();
  // Remembers the drive as it is and creates the installer's window.
  TForm1& start();
  // Picks a language in the window, as a person does.
  bool pick(texts::LanguageIndex language);
  // The drive before the start with the scenario's installation over it.
  FileTree expectedTree() const;

  Scenario scenario;
  // Called at each step of every write and copy the installation makes.
  std::function<void(std::string_view path, platform::WriteStep step)> atWriteStep;
  // None for a medium without any file.
  std::optional<TestMedium> medium;
  tavi::testing::TestDrive drive;
  WatchingDesktop desktop;
  Installer installer;
  FileTree before;
};

}  // namespace tavi::installer::testing
