#pragma once

#include <string_view>

namespace tavi::command_line {

// Where a program answers its command line when it opens no window: the console on Linux, a
// message box on Windows, where programs with windows have no console.
class ProgramOutput {
 public:
  virtual ~ProgramOutput() = default;
  // Help or the version, asked for.
  virtual void inform(std::string_view text) = 0;
  // A command line the program cannot follow.
  virtual void complain(std::string_view text) = 0;
};

}  // namespace tavi::command_line
