// The settings editor with the system's own controls, on drive C:.
#include <windows.h>

#include "command_line/switches.h"
#include "editor/editor.h"
#include "frontends/win32/desktop.h"
#include "frontends/win32/program_arguments.h"
#include "frontends/win32/renderer.h"
#include "platform/platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tavi::frontends::win32::MessageBoxOutput boxes(L"Tavi Setting");
  if (const auto exitCode = tavi::command_line::answerVersion(
          tavi::command_line::withoutProgramName(tavi::frontends::win32::programArguments()),
          tavi::command_line::SwitchStyle::Windows, "Tavi Setting", boxes)) {
    return *exitCode;
  }

  tavi::platform::Platform platform;
  tavi::frontends::win32::Desktop desktop(platform, "Tavi Setting");
  // Creating the editor creates its windows and loads the main window.
  tavi::editor::Editor editor(platform, desktop);
  tavi::frontends::win32::Renderer renderer(editor.app, platform);
  desktop.attach(&renderer);
  return renderer.run();
}
