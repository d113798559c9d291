#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "forms/scripted_desktop.h"
#include "frontends/win32/renderer.h"
#include "layout_check.h"
#include "support/test_drive.h"
#include "tools/screenshot_front_end.h"

namespace tavi::frontends::win32::testing {
namespace {

namespace fs = std::filesystem;

// Draws the windows of the tour and checks each instead of taking its picture.
class CheckedApplication final : public tools::DrawnApplication {
 public:
  CheckedApplication(forms::Application& app, const platform::Platform& platform,
                     std::vector<std::string>& faults, int& windows)
      : renderer_(app, platform), faults_(faults), windows_(windows) {}

  void processMessages() override {
    renderer_.sync();
    renderer_.processPendingMessages();
  }

  fs::path capture(const forms::Form& form, const fs::path& file) override {
    const FormView* window = renderer_.window(form);
    if (window == nullptr) {
      faults_.push_back(file.filename().string() + ": no window");
      return file;
    }
    for (const std::string& fault : layoutFaults(*window, form))
      faults_.push_back(file.filename().string() + ": " + fault);
    ++windows_;
    return file;
  }

 private:
  Renderer renderer_;
  std::vector<std::string>& faults_;
  int& windows_;
};

class CheckingFrontEnd final : public tools::ScreenshotFrontEnd {
 public:
  std::unique_ptr<tools::DrawnApplication> draw(forms::Application& app,
                                                const platform::Platform& platform) override {
    return std::make_unique<CheckedApplication>(app, platform, faults, windows);
  }
  std::vector<std::string> faults;
  int windows = 0;
};

int displayDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Every window of both programs, in all five languages, as the tour of the screenshots opens
// them: nothing covers what it should not, stays inside its window and shows cut.
TEST(LayoutCheck, EveryWindowInEveryLanguageShowsEveryCaptionWholeOrWithAnEllipsis) {
  const fs::path work =
      fs::temp_directory_path() / ("tavi-layout-" + std::to_string(GetCurrentProcessId()));
  CheckingFrontEnd frontEnd;
  tools::takeScreenshots(frontEnd, work / "shots", work / "drives");
  std::error_code ignored;
  fs::remove_all(work, ignored);
  EXPECT_GT(frontEnd.windows, 100);
  std::string report;
  for (const std::string& fault : frontEnd.faults)
    report += "\n  " + fault;
  EXPECT_TRUE(frontEnd.faults.empty()) << "at " << displayDpi() * 100 / 96 << " %:" << report;
}

// The check itself finds a caption that a front end would draw too long for its place.
TEST(LayoutCheck, FindsACaptionDrawnTooLongForItsPlace) {
  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  editor::Editor editor(drive.platform(), desktop);
  Renderer renderer(editor.app, drive.platform());
  renderer.sync();
  const FormView* window = renderer.window(editor.Form8);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(layoutFaults(*window, editor.Form8).empty());

  HWND sensitivity = renderer.nativeWindow(editor.Form8.Citlivos_popis1);
  SetWindowTextW(sensitivity, L"Empfindlichkeit der Messung:");
  SetWindowPos(sensitivity, nullptr, 0, 0, 200, 13, SWP_NOMOVE | SWP_NOZORDER);
  std::string found;
  for (const std::string& fault : layoutFaults(*window, editor.Form8))
    found += fault + "\n";
  EXPECT_NE(found.find("Citlivos_popis1 covers citlivost_ukazatel1"), std::string::npos) << found;
  EXPECT_NE(found.find("without an ellipsis"), std::string::npos) << found;
}

}  // namespace
}  // namespace tavi::frontends::win32::testing
