// An installation stopped anywhere, by a crash or an I/O error, and then run again: the drive
// holds exactly what one uninterrupted installation leaves, the driver step included.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "installer/setup_lists.h"
#include "installer/silent_installation.h"
#include "installer_run.h"
#include "platform/io_error.h"

namespace tavi::installer::testing {
namespace {

constexpr char kUniverse[] = R"(C:\WinLUD\Tavi Universe.exe)";
constexpr char kCompleted[] = "The interrupted installation is completed";

// Stands for the process being killed: no error box catches it.
struct Crash {};

enum class RunIn { Window, Silent };
enum class Stop { Crash, IoError };

// A fresh PC in English: the full installation with its driver step.
Scenario englishFullInstallation() {
  Scenario scenario;
  scenario.language = texts::kEnglish;
  return scenario;
}

struct Outcome {
  bool completed = false;
  std::string log;  // the silent run's
};

// One run of the installer on the drive as it is, in the window (the person picks English when
// asked) or silently. Whatever is thrown through it is a crash.
Outcome runOnce(InstallerRun& run, RunIn how) {
  Outcome outcome;
  if (how == RunIn::Silent) {
    std::ostringstream log;
    outcome.completed = installSilently(run.drive.platform(), texts::kEnglish, &log) == 0;
    outcome.log = log.str();
    return outcome;
  }
  forms::ScriptedDesktop desktop;
  Installer installer(run.drive.platform(), desktop);
  TForm1& form = installer.start();
  if (!installer.app.terminated() && !form.resuming()) {
    installer.app.choose(form.Language, texts::kEnglish);
  }
  outcome.completed = installer.app.terminated();
  return outcome;
}

// Every write and copy step of an uninterrupted installation, by target, in order.
struct WriteStepAt {
  std::string path;
  platform::WriteStep step;
};

std::vector<WriteStepAt> stepsOfAnInstallation(RunIn how) {
  InstallerRun run(englishFullInstallation());
  run.prepare();
  std::vector<WriteStepAt> steps;
  run.atWriteStep = [&](std::string_view path, platform::WriteStep step) {
    steps.push_back({std::string(path), step});
  };
  EXPECT_TRUE(runOnce(run, how).completed);
  return steps;
}

// Stops the installation at its write step `stopAt` (counted from 0), then runs it again
// without a fault, and compares the drive with what one uninterrupted installation leaves.
void stopAndRunAgain(RunIn how, std::size_t stopAt, Stop stop) {
  InstallerRun run(englishFullInstallation());
  run.prepare();
  run.before = installedTree(run.drive);
  std::size_t reached = 0;
  bool stopped = false;
  run.atWriteStep = [&](std::string_view path, platform::WriteStep step) {
    if (stopped || reached++ != stopAt) return;
    stopped = true;
    if (stop == Stop::IoError) {
      throw platform::IoError(platform::IoAction::kWrite, std::string(path),
                              platform::IoCause::kDeviceNotReady);
    }
    // The unwinding removes the temporary file; a killed process would have left it.
    if (step != platform::WriteStep::SwappedIn) {
      run.drive.write(std::string(path) + ".tavi-4711.tmp", "half written");
    }
    throw Crash{};
  };
  Outcome first;
  try {
    first = runOnce(run, how);
  } catch (const Crash&) {
    first.completed = false;
  }
  ASSERT_TRUE(stopped);
  ASSERT_FALSE(first.completed);
  const bool recorded = run.drive.exists(kRunRecord);

  const Outcome again = runOnce(run, how);

  EXPECT_TRUE(again.completed);
  EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
  if (how == RunIn::Silent) {
    EXPECT_EQ(again.log.find(kCompleted) != std::string::npos, recorded) << again.log;
  }
}

// Every 61st step, the silent run's stops half way between the window's: together a stop every
// 30 or 31 steps. 61 is no multiple of the three steps of one file, so the stops fall on every
// kind of step, in every stage, the record's own write included.
constexpr std::size_t kEveryNthStep = 61;

TEST(InterruptedInstallation, ARunAgainAfterAStopAtAnyWriteLeavesTheUninterruptedInstallation) {
  for (const RunIn how : {RunIn::Window, RunIn::Silent}) {
    SCOPED_TRACE(how == RunIn::Window ? "window" : "silent");
    const std::size_t steps = stepsOfAnInstallation(how).size();
    ASSERT_GT(steps, kEveryNthStep);
    const std::size_t first = how == RunIn::Window ? 0 : kEveryNthStep / 2;
    for (std::size_t stopAt = first; stopAt < steps; stopAt += kEveryNthStep) {
      SCOPED_TRACE(stopAt);
      stopAndRunAgain(how, stopAt, Stop::Crash);
    }
  }
}

// Once "Tavi Universe.exe" is on the PC, a new run would find the program installed and skip the
// driver step, its files and its desktop shortcuts for good.
TEST(InterruptedInstallation, AStopRightAfterTavisUniverseIsCopiedStillGetsTheDriverStep) {
  for (const RunIn how : {RunIn::Window, RunIn::Silent}) {
    const std::vector<WriteStepAt> steps = stepsOfAnInstallation(how);
    std::size_t copied = 0;
    while (copied < steps.size() && !(steps[copied].path == kUniverse &&
                                      steps[copied].step == platform::WriteStep::SwappedIn)) {
      ++copied;
    }
    ASSERT_LT(copied, steps.size());
    for (const Stop stop : {Stop::Crash, Stop::IoError}) {
      SCOPED_TRACE(::testing::Message() << (how == RunIn::Window ? "window" : "silent") << ", "
                                        << (stop == Stop::Crash ? "crash" : "I/O error"));
      // The step after the copy is the first that the stopped run does not do.
      stopAndRunAgain(how, copied + 1, stop);
    }
  }
}

TEST(InterruptedInstallation, ACompleteRunLeavesNoRecordAndADamagedRecordIsNotTrusted) {
  using namespace std::string_literals;
  // Too short, a flag neither 0 nor 1, another mark, too long.
  const std::string damaged[] = {""s, "SR\1\1\1\0\0"s, "SR\1\2\1\0\0\0"s, "XR\1\1\1\0\0\0"s,
                                 "SR\1\1\1\0\0\0\0"s};
  for (const RunIn how : {RunIn::Window, RunIn::Silent}) {
    SCOPED_TRACE(how == RunIn::Window ? "window" : "silent");
    {
      InstallerRun run(englishFullInstallation());
      run.prepare();
      EXPECT_TRUE(runOnce(run, how).completed);
      EXPECT_FALSE(run.drive.exists(kRunRecord));
    }
    // An upgrade whose damaged record would otherwise make it a full installation.
    for (const std::string& bytes : damaged) {
      SCOPED_TRACE(::testing::PrintToString(bytes));
      Scenario scenario = englishFullInstallation();
      scenario.upgrade = true;
      scenario.universeInstalledBefore = true;
      InstallerRun run(scenario);
      run.prepare();
      run.drive.write(R"(C:\KivTanOr5\dLangv.dat)", languageFileBytes(texts::kEnglish));
      run.drive.write(kRunRecord, bytes);
      run.before = installedTree(run.drive);
      run.before.erase(std::string(kRunRecord));

      const Outcome outcome = runOnce(run, how);

      EXPECT_TRUE(outcome.completed);
      EXPECT_TRUE(sameTree(run.expectedTree(), installedTree(run.drive)));
      EXPECT_EQ(outcome.log.find(kCompleted), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace tavi::installer::testing
