#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "forms/scripted_desktop.h"
#include "frontends/qt/renderer.h"
#include "layout_check.h"
#include "qt_session.h"
#include "support/test_drive.h"
#include "tools/screenshot_front_end.h"

namespace tavi::frontends::qt::testing {
namespace {

namespace fs = std::filesystem;

// Draws the windows of the tour and checks each instead of taking its picture.
class CheckedApplication final : public tools::DrawnApplication {
 public:
  CheckedApplication(forms::Application& app, const platform::Platform& platform,
                     std::vector<std::string>& faults)
      : renderer_(app, platform), faults_(faults) {}

  void processMessages() override {
    renderer_.sync();
    QApplication::processEvents();
  }

  fs::path capture(const forms::Form& form, const fs::path& file) override {
    for (const std::string& fault : layoutFaults(renderer_, form))
      faults_.push_back(file.filename().string() + ": " + fault);
    ++windows;
    return file;
  }

  static inline int windows = 0;

 private:
  Renderer renderer_;
  std::vector<std::string>& faults_;
};

class CheckingFrontEnd final : public tools::ScreenshotFrontEnd {
 public:
  std::unique_ptr<tools::DrawnApplication> draw(forms::Application& app,
                                                const platform::Platform& platform) override {
    return std::make_unique<CheckedApplication>(app, platform, faults);
  }
  std::vector<std::string> faults;
};

std::string scaleName() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return std::to_string(
             static_cast<int>(std::lround((screen ? screen->devicePixelRatio() : 1.0) * 100))) +
         " %";
}

// Every window of both programs, in all five languages, as the tour of the screenshots opens
// them: nothing covers what it should not, stays inside its window and shows cut.
TEST(LayoutCheck, EveryWindowInEveryLanguageShowsEveryCaptionWholeOrWithAnEllipsis) {
  QtSession session;
  QTemporaryDir work;
  ASSERT_TRUE(work.isValid());
  CheckingFrontEnd frontEnd;
  tools::takeScreenshots(frontEnd, fs::path(work.path().toStdString()) / "shots",
                         fs::path(work.path().toStdString()) / "drives");
  EXPECT_GT(CheckedApplication::windows, 100);
  std::string report;
  for (const std::string& fault : frontEnd.faults)
    report += "\n  " + fault;
  EXPECT_TRUE(frontEnd.faults.empty()) << "at " << scaleName() << ":" << report;
}

// The check itself finds a caption that a front end would draw too long for its place.
TEST(LayoutCheck, FindsACaptionDrawnTooLongForItsPlace) {
  QtSession session;
  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  editor::Editor editor(drive.platform(), desktop);
  Renderer renderer(editor.app, drive.platform());
  renderer.sync();
  EXPECT_TRUE(layoutFaults(renderer, editor.Form8).empty());

  auto* sensitivity = static_cast<QLabel*>(renderer.widget(editor.Form8.Citlivos_popis1));
  sensitivity->setText("Empfindlichkeit der Messung:");
  sensitivity->adjustSize();
  std::string found;
  for (const std::string& fault : layoutFaults(renderer, editor.Form8))
    found += fault + "\n";
  EXPECT_NE(found.find("Citlivos_popis1 covers citlivost_ukazatel1"), std::string::npos) << found;
  EXPECT_NE(found.find("without an ellipsis"), std::string::npos) << found;
}

}  // namespace
}  // namespace tavi::frontends::qt::testing
