// bench-settings-io DRIVE_C load|save RUNS
//
// Times the editor's load (creating the editor loads its main window) or the main window's
// save on a drive C:, RUNS times, each time with a fresh platform as a new program would have,
// and prints the median in milliseconds. The first run is framed by two look-ups of marker
// paths, /tavi-bench-begin and /tavi-bench-end, so that a system-call trace can tell the
// operation's calls from the program's own start.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "forms/scripted_desktop.h"
#include "platform/platform.h"

namespace {

using Clock = std::chrono::steady_clock;

void mark(const char* path, bool traced) {
  if (traced) static_cast<void>(::access(path, F_OK));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string operation = argc == 4 ? argv[2] : "";
  const int runs = argc == 4 ? std::atoi(argv[3]) : 0;
  if ((operation != "load" && operation != "save") || runs < 1) {
    std::cerr << "usage: bench-settings-io DRIVE_C load|save RUNS\n";
    return 2;
  }
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    tavi::platform::PlatformOptions options;
    options.driveC = argv[1];
    options.desktopFolder = R"(C:\users\demo\Desktop)";
    options.today = "10. 12. 2026";
    tavi::platform::Platform platform(options);
    tavi::forms::ScriptedDesktop desktop;
    const bool traced = run == 0;
    std::optional<tavi::editor::Editor> editor;

    if (operation == "save") editor.emplace(platform, desktop);
    mark("/tavi-bench-begin", traced);
    const Clock::time_point start = Clock::now();
    if (operation == "load") {
      editor.emplace(platform, desktop);
    } else {
      editor->app.click(editor->Form8.Uloz);
    }
    const Clock::time_point end = Clock::now();
    mark("/tavi-bench-end", traced);

    if (!desktop.errors().empty() || (operation == "save" && !editor->app.terminated())) {
      for (const std::string& error : desktop.errors())
        std::cerr << "bench-settings-io: " << error << '\n';
      std::cerr << "bench-settings-io: the " << operation << " did not finish\n";
      return 1;
    }
    times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  std::printf("%.2f\n", times[times.size() / 2]);
  return 0;
}
