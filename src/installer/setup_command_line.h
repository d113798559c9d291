#pragma once

#include <optional>
#include <span>
#include <string>

#include "command_line/switches.h"
#include "texts/language.h"

namespace tavi::installer {

// What "setup" is asked to do by its command line. Without arguments it opens its window.
struct SetupCommand {
  bool silent = false;
  bool help = false;
  bool version = false;
  // The language of a silent installation; unset: the language files decide, else English.
  std::optional<texts::LanguageIndex> language;
  // The log of a silent installation, a native path; empty: no log.
  std::string logFile;
  // Why the command line cannot be followed; empty when it can.
  std::string mistake;
};

// Reads the arguments (without the program's name) in the platform's switch style.
SetupCommand parseSetupCommand(std::span<const std::string> arguments,
                               command_line::SwitchStyle style);

// The help text, in the platform's switch style.
std::string setupUsage(command_line::SwitchStyle style);

}  // namespace tavi::installer
