#include "command_line/console_output.h"

#include <iostream>

namespace tavi::command_line {

void ConsoleOutput::inform(std::string_view text) {
  std::cout << text << '\n' << std::flush;
}

void ConsoleOutput::complain(std::string_view text) {
  std::cerr << text << '\n' << std::flush;
}

}  // namespace tavi::command_line
