#include "frontends/win32/program_arguments.h"

#include <windows.h>

#include <shellapi.h>

#include "frontends/win32/message_box.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

std::vector<std::string> programArguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (words == nullptr) return arguments;
  for (int i = 0; i < count; ++i)
    arguments.push_back(narrow(words[i]));
  LocalFree(words);
  return arguments;
}

void MessageBoxOutput::inform(std::string_view text) {
  centredMessageBox(widen(text), title_, MB_OK | MB_ICONINFORMATION);
}

void MessageBoxOutput::complain(std::string_view text) {
  centredMessageBox(widen(text), title_, MB_OK | MB_ICONERROR);
}

}  // namespace tavi::frontends::win32
