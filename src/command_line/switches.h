#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "command_line/program_output.h"

namespace tavi::command_line {

// The switch style of the platform: "/SILENT /LANG=1" on Windows, where switch names are
// matched without regard to case, "--silent --lang 1" on Linux.
enum class SwitchStyle : std::uint8_t { Windows, Posix };

// Switch names compared as Windows compares them: letter case aside (ASCII).
bool sameSwitch(std::string_view a, std::string_view b);

// The arguments of main() without the program's name, as UTF-8 text.
std::span<const std::string> withoutProgramName(std::span<const std::string> arguments);

// True when the argument asks for the version: "--version" everywhere, "/VERSION" on Windows.
bool isVersionSwitch(std::string_view argument, SwitchStyle style);

// "Tavi Setting 1.0.0".
std::string versionText(std::string_view program);

// A program that takes no arguments of its own but its version: when the only argument asks
// for it, answers it and gives the exit code 0; otherwise nothing, and the program starts as it
// always did, whatever else it was given.
std::optional<int> answerVersion(std::span<const std::string> arguments, SwitchStyle style,
                                 std::string_view program, ProgramOutput& output);

}  // namespace tavi::command_line
