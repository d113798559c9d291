#pragma once

#include <optional>
#include <span>
#include <string>

#include "command_line/program_output.h"
#include "command_line/switches.h"
#include "platform/platform.h"

namespace tavi::installer {

// Exit codes of "setup" besides 0 (done) and 1 (the installation failed).
inline constexpr int kCommandLineMistake = 2;

// Follows the command line of "setup" (the arguments of main() with the program's name) as far
// as it needs no window: help, the version, a silent installation, a mistake. Gives the exit
// code then, and nothing when the installer is to open its window as it always has. A silent
// command shows nothing, not even its mistakes: those go to its log, if it can write one.
std::optional<int> runWithoutWindow(std::span<const std::string> arguments,
                                    command_line::SwitchStyle style, platform::Platform& platform,
                                    command_line::ProgramOutput& output);

}  // namespace tavi::installer
