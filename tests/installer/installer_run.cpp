#include "installer_run.h"

#include <filesystem>

namespace tavi::installer::testing {
namespace {

std::optional<TestMedium> mediumOf(const Scenario& scenario) {
  if (scenario.missing.size() == completeMedium().size()) return std::nullopt;
  return std::optional<TestMedium>(std::in_place, scenario.missing, scenario.mediumLanguageFile);
}

tavi::testing::TestDriveOptions freshPc(
    const Scenario& scenario, const std::optional<TestMedium>& medium, std::string desktopFolder,
    std::function<void(std::string_view, platform::WriteStep)> atWriteStep) {
  tavi::testing::TestDriveOptions options;
  options.atWriteStep = std::move(atWriteStep);
  if (!scenario.writeFailsHalfway.empty()) {
    options.writeFailsHalfway = [path = scenario.writeFailsHalfway](std::string_view written) {
      return written == path;
    };
  }
  options.withSettingsFolders = false;
  options.desktopFolder = std::move(desktopFolder);
  if (medium) options.currentFolder = medium->folder();
  return options;
}

}  // namespace

InstallerRun::InstallerRun(const Scenario& chosen, std::string desktopFolder)
    : scenario(chosen),
      medium(mediumOf(scenario)),
      drive(freshPc(scenario, medium, std::move(desktopFolder),
                    [this](std::string_view path, platform::WriteStep step) {
                      if (atWriteStep) atWriteStep(path, step);
                    })),
      installer(drive.platform(), desktop) {}

void InstallerRun::prepare() {
  if (!medium) std::filesystem::create_directories(drive.currentFolder());
  if (scenario.upgrade) drive.write(R"(C:\KivTanOr5\customer15.dat)", "customer");
  if (scenario.universeInstalledBefore) {
    drive.write(R"(C:\WinLUD\Tavi Universe.exe)", "an earlier Tavi Universe");
  }
  if (!scenario.blockedFolder.empty()) drive.write(scenario.blockedFolder, kInTheWay);
}

TForm1& InstallerRun::start() {
  before = installedTree(drive);
  return installer.start();
}

bool InstallerRun::pick(texts::LanguageIndex language) {
  return installer.app.choose(installer.Form1->Language, language);
}

FileTree InstallerRun::expectedTree() const {
  FileTree tree = before;
  for (auto& [path, content] : expectedInstallation(scenario))
    tree[path] = content;
  return tree;
}

}  // namespace tavi::installer::testing
