#pragma once

#include "command_line/program_output.h"

namespace tavi::command_line {

// Standard output for what was asked for, standard error for mistakes.
class ConsoleOutput : public ProgramOutput {
 public:
  void inform(std::string_view text) override;
  void complain(std::string_view text) override;
};

}  // namespace tavi::command_line
