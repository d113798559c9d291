#pragma once

#include <string>
#include <vector>

#include "command_line/program_output.h"

namespace tavi::frontends::win32 {

// The program's command line split as the system splits it (quotes removed), in UTF-8, the
// program's name first.
std::vector<std::string> programArguments();

// Answers a command line in a message box: programs with windows have no console.
class MessageBoxOutput : public command_line::ProgramOutput {
 public:
  explicit MessageBoxOutput(std::wstring title) : title_(std::move(title)) {}
  void inform(std::string_view text) override;
  void complain(std::string_view text) override;

 private:
  std::wstring title_;
};

}  // namespace tavi::frontends::win32
