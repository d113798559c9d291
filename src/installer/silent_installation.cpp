#include "installer/silent_installation.h"

#include "command_line/program_version.h"
#include "installer/installation_log.h"
#include "installer/installer.h"
#include "installer/unattended_desktop.h"

namespace tavi::installer {

int installSilently(platform::Platform& platform, std::optional<texts::LanguageIndex> language,
                    LogOutput log) {
  InstallationLog lines(log);
  lines.started(command_line::kProgramVersion);
  UnattendedDesktop desktop(lines);
  Installer installer(platform, desktop);
  const TForm1& form = installer.startUnattended({language, &lines});
  // The installation ends the program when, and only when, it has completed.
  const bool installed = installer.app.terminated();
  if (installed && form.resuming()) lines.interruptedInstallationCompleted();
  lines.finished(installed, form.instal);
  return installed ? 0 : 1;
}

}  // namespace tavi::installer
