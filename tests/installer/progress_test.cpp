#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "installer_run.h"

namespace tavi::installer::testing {
namespace {

using Texts = std::vector<std::string>;

// What the window showed at one repaint.
struct Frame {
  int position;
  int max;
  bool showing;
  std::string caption;
};

void watch(InstallerRun& run, std::vector<Frame>& frames) {
  run.desktop.onProcessMessages = [&run, &frames] {
    const auto& form = static_cast<const TForm1&>(*run.installer.app.mainForm());
    frames.push_back({form.Progress.position(), form.Progress.max(),
                      form.Progress.visible() && form.Copying.visible() && !form.Language.visible(),
                      form.Copying.caption()});
  };
}

bool shown(const std::vector<Frame>& frames, const std::string& caption) {
  return std::any_of(frames.begin(), frames.end(),
                     [&](const Frame& frame) { return frame.caption == caption; });
}

TEST(InstallationProgress, RunsOverTheWholeInstallationFileByFile) {
  struct ProgressCase {
    const char* name;
    bool upgrade;
    std::string missing;
  };
  const ProgressCase cases[] = {
      {"full installation with the driver's set-up", false, ""},
      {"upgrade", true, ""},
      {"driver's set-up cannot start", false, R"(CH341SER\SETUP.EXE)"},
  };
  for (const ProgressCase& c : cases) {
    SCOPED_TRACE(c.name);
    Scenario scenario;
    scenario.upgrade = c.upgrade;
    if (!c.missing.empty()) scenario.missing = {c.missing};
    InstallerRun run(scenario);
    run.prepare();
    run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(texts::kEnglish));
    std::vector<Frame> frames;
    watch(run, frames);
    run.start();

    ASSERT_GT(frames.size(), 300u);
    const int max = frames.front().max;
    EXPECT_EQ(frames.front().position, 0);
    for (std::size_t i = 1; i < frames.size(); ++i) {
      EXPECT_EQ(frames[i].max, max);
      EXPECT_TRUE(frames[i].showing);
      // One step per file; only a driver step that cannot run jumps to the end.
      if (frames[i].position != frames[i - 1].position + 1) {
        EXPECT_EQ(i, frames.size() - 1) << "position " << frames[i].position;
      }
    }
    EXPECT_EQ(frames.back().position, max);
    if (c.missing.empty()) {
      EXPECT_EQ(frames.size(), static_cast<std::size_t>(max) + 1);
    }
    EXPECT_TRUE(shown(frames, R"(C:\KivTanOr5\PicWlud\barvyp00.png)"));
    EXPECT_TRUE(shown(frames, R"(C:\WinLUD\Tavi Universe.exe)"));
    EXPECT_TRUE(shown(frames, std::string(kDesktop) + R"(\Tavi Therapy 3_41.exe)"));
    EXPECT_TRUE(run.installer.app.terminated());
  }
}

TEST(InstallationProgress, ClosingTheWindowMeanwhileLetsTheInstallationFinish) {
  Scenario scenario;
  scenario.language = texts::kSwedish;
  InstallerRun run(scenario);
  run.prepare();
  run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(texts::kSwedish));
  int repaints = 0;
  run.desktop.onProcessMessages = [&] {
    if (++repaints != 50) return;
    auto& form = static_cast<TForm1&>(*run.installer.app.mainForm());
    EXPECT_TRUE(form.installing());
    EXPECT_TRUE(run.installer.app.closeWindow(form));
    EXPECT_FALSE(run.installer.app.terminated());
    // Nor can a language be picked again.
    EXPECT_FALSE(run.installer.app.choose(form.Language, 1));
  };
  run.start();

  EXPECT_GT(repaints, 50);
  EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
  EXPECT_EQ(run.desktop.messages(), Texts{"Installation är klar."});
  EXPECT_EQ(run.desktop.shellOpens(), Texts{R"(C:\KivTanOr5\CH341SER\SETUP_Driver.lnk)"});
  EXPECT_TRUE(run.installer.app.terminated());
}

TEST(InstallationProgress, ClosingMeanwhileEndsTheProgramAlsoWhenTheInstallationStops) {
  InstallerRun run({}, /*desktopFolder=*/"");
  run.prepare();
  run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(texts::kEnglish));
  int repaints = 0;
  run.desktop.onProcessMessages = [&] {
    if (++repaints == 10) run.installer.app.closeWindow(*run.installer.app.mainForm());
  };
  run.start();

  EXPECT_EQ(run.desktop.errors(), Texts{"Nemůžu v registrech najít cestu k pracovní ploše."});
  EXPECT_TRUE(run.installer.app.terminated());
}

}  // namespace
}  // namespace tavi::installer::testing
