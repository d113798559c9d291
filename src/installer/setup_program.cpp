#include "installer/setup_program.h"

#include <optional>

#include "installer/installation_log.h"
#include "installer/setup_command_line.h"
#include "installer/silent_installation.h"
#include "platform/log_file.h"
#include "platform/utf8_path.h"

namespace tavi::installer {

std::optional<int> runWithoutWindow(std::span<const std::string> arguments,
                                    command_line::SwitchStyle style, platform::Platform& platform,
                                    command_line::ProgramOutput& output) {
  const SetupCommand command =
      parseSetupCommand(command_line::withoutProgramName(arguments), style);
  std::optional<platform::LogFile> logFile;
  if (command.silent && !command.logFile.empty()) {
    logFile.emplace(platform::pathFromUtf8(command.logFile));
    if (!logFile->isOpen()) return kCommandLineMistake;
  }
  const LogOutput log(logFile ? &*logFile : nullptr);

  if (!command.mistake.empty()) {
    if (command.silent) {
      InstallationLog(log).error(command.mistake);
    } else {
      output.complain(command.mistake + "\n\n" + setupUsage(style));
    }
    return kCommandLineMistake;
  }
  if (command.help) {
    output.inform(setupUsage(style));
    return 0;
  }
  if (command.version) {
    output.inform(command_line::versionText("setup"));
    return 0;
  }
  if (command.silent) return installSilently(platform, command.language, log);
  return std::nullopt;
}

}  // namespace tavi::installer
