// tavi-screenshots.exe FOLDER: draws every window of both programs on a demo installation with
// the system's own controls and has each captured, frame included, as a PNG file in FOLDER by
// the command that runs it (scripts/screenshots --windows).
#include <windows.h>

#include <shellapi.h>

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/form.h"
#include "frontends/win32/renderer.h"
#include "tools/screenshot_front_end.h"

namespace {

namespace fs = std::filesystem;

// The display's own picture is the true one: the program names the window's place on the
// screen and waits until whoever runs it has taken the picture there ("ok").
void askForPicture(const RECT& area, const fs::path& file) {
  std::cout << "capture " << area.left << ' ' << area.top << ' ' << (area.right - area.left) << ' '
            << (area.bottom - area.top) << ' ' << file.filename().string() << std::endl;
  std::string answer;
  if (!std::getline(std::cin, answer) || answer.rfind("ok", 0) != 0) {
    throw std::runtime_error("no picture was taken of " + file.string());
  }
}

class Win32DrawnApplication final : public tavi::tools::DrawnApplication {
 public:
  Win32DrawnApplication(tavi::forms::Application& app, const tavi::platform::Platform& platform)
      : renderer_(app, platform) {}

  void processMessages() override {
    renderer_.sync();
    renderer_.processPendingMessages();
  }

  fs::path capture(const tavi::forms::Form& form, const fs::path& file) override {
    tavi::frontends::win32::FormView* window = renderer_.window(form);
    if (window == nullptr) throw std::runtime_error("no window for " + form.name());
    HWND handle = window->hwnd();
    SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The system hands what the windows drew to the display a moment later.
    for (int round = 0; round < 5; ++round) {
      processMessages();
      Sleep(60);
    }
    RECT area;
    GetWindowRect(handle, &area);
    const fs::path png = fs::path(file).replace_extension(".png");
    askForPicture(area, png);
    return png;
  }

 private:
  tavi::frontends::win32::Renderer renderer_;
};

class Win32FrontEnd final : public tavi::tools::ScreenshotFrontEnd {
 public:
  std::unique_ptr<tavi::tools::DrawnApplication> draw(
      tavi::forms::Application& app, const tavi::platform::Platform& platform) override {
    return std::make_unique<Win32DrawnApplication>(app, platform);
  }
};

// The arguments as the system gives them, in full Unicode.
std::vector<std::wstring> arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> result(words, words + count);
  LocalFree(words);
  return result;
}

}  // namespace

int main() {
  const std::vector<std::wstring> args = arguments();
  if (args.size() != 2) {
    std::cerr << "usage: tavi-screenshots FOLDER\n";
    return 2;
  }
  const fs::path work =
      fs::temp_directory_path() / ("tavi-screenshots-" + std::to_string(GetCurrentProcessId()));
  try {
    Win32FrontEnd frontEnd;
    tavi::tools::takeScreenshots(frontEnd, fs::absolute(args[1]), work);
    fs::remove_all(work);
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tavi-screenshots: " << error.what() << '\n';
    std::error_code ignored;
    fs::remove_all(work, ignored);
    return 1;
  }
}
