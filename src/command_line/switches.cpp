#include "command_line/switches.h"

#include "command_line/program_version.h"

namespace tavi::command_line {

bool sameSwitch(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::span<const std::string> withoutProgramName(std::span<const std::string> arguments) {
  return arguments.empty() ? arguments : arguments.subspan(1);
}

bool isVersionSwitch(std::string_view argument, SwitchStyle style) {
  if (argument == "--version") return true;
  return style == SwitchStyle::Windows && sameSwitch(argument, "/VERSION");
}

std::string versionText(std::string_view program) {
  std::string text(program);
  text += ' ';
  text += kProgramVersion;
  return text;
}

std::optional<int> answerVersion(std::span<const std::string> arguments, SwitchStyle style,
                                 std::string_view program, ProgramOutput& output) {
  if (arguments.size() != 1 || !isVersionSwitch(arguments.front(), style)) return std::nullopt;
  output.inform(versionText(program));
  return 0;
}

}  // namespace tavi::command_line
