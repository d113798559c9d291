#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "command_line/program_version.h"
#include "installer/setup_command_line.h"
#include "installer/setup_program.h"
#include "installer_run.h"
#include "platform/utf8_path.h"

namespace tavi::installer::testing {
namespace {

using command_line::SwitchStyle;
using Arguments = std::vector<std::string>;

struct CommandCase {
  SwitchStyle style;
  Arguments arguments;
  bool mistake = false;  // then nothing else is checked
  bool silent = false;
  std::optional<texts::LanguageIndex> language = std::nullopt;
  std::string logFile = {};
  bool help = false;
  bool version = false;
};

constexpr SwitchStyle kWindows = SwitchStyle::Windows;
constexpr SwitchStyle kPosix = SwitchStyle::Posix;

const CommandCase kCommandCases[] = {
    {kWindows, {}},
    {kWindows, {"/SILENT"}, false, true},
    {kWindows,
     {"/silent", "/Lang=2", R"(/LOG=C:\Logs\setup 1.log)"},
     false,
     true,
     2,
     R"(C:\Logs\setup 1.log)"},
    // Quotes that a shell left in place.
    {kWindows, {"/SILENT", R"(/LOG="C:\setup.log")"}, false, true, std::nullopt, R"(C:\setup.log)"},
    {kWindows, {"/?"}, false, false, std::nullopt, "", true},
    {kWindows, {"/VERSION"}, false, false, std::nullopt, "", false, true},
    {kWindows, {"--version"}, false, false, std::nullopt, "", false, true},
    {kWindows, {"/SILENT", "/LANG=5"}, true},
    {kWindows, {"/SILENT", "/LANG=en"}, true},
    {kWindows, {"/SILENT", "/LOG="}, true},
    {kWindows, {"/LANG=1"}, true},
    {kWindows, {"/VERYSILENT"}, true},
    {kWindows, {"--silent"}, true},
    {kPosix, {}},
    {kPosix,
     {"--silent", "--lang", "4", "--log", "/tmp/setup.log"},
     false,
     true,
     4,
     "/tmp/setup.log"},
    {kPosix, {"--silent", "--lang=0", "--log=setup.log"}, false, true, 0, "setup.log"},
    {kPosix, {"--help"}, false, false, std::nullopt, "", true},
    {kPosix, {"-h"}, false, false, std::nullopt, "", true},
    {kPosix, {"--version"}, false, false, std::nullopt, "", false, true},
    {kPosix, {"--silent", "--lang"}, true},
    {kPosix, {"--silent", "--lang", "-1"}, true},
    {kPosix, {"--log", "x.log"}, true},
    {kPosix, {"/SILENT"}, true},
    {kPosix, {"--SILENT"}, true},
};

TEST(SetupCommandLine, ReadsTheSwitchesOfEachPlatform) {
  for (const CommandCase& c : kCommandCases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const SetupCommand command = parseSetupCommand(c.arguments, c.style);
    EXPECT_EQ(!command.mistake.empty(), c.mistake) << command.mistake;
    if (c.mistake) continue;
    EXPECT_EQ(command.silent, c.silent);
    EXPECT_EQ(command.language, c.language);
    EXPECT_EQ(command.logFile, c.logFile);
    EXPECT_EQ(command.help, c.help);
    EXPECT_EQ(command.version, c.version);
  }
}

class RecordingOutput : public command_line::ProgramOutput {
 public:
  void inform(std::string_view text) override { informed.emplace_back(text); }
  void complain(std::string_view text) override { complaints.emplace_back(text); }
  std::vector<std::string> informed;
  std::vector<std::string> complaints;
};

// "setup" on a PC without the suite, its medium the current folder, a log file beside the drive.
class SetupProgramTest : public ::testing::Test {
 protected:
  SetupProgramTest() { run.prepare(); }
  ~SetupProgramTest() override { std::filesystem::remove(logPath()); }

  std::filesystem::path logPath() const {
    return run.drive.root().parent_path() / (run.drive.root().filename().string() + ".log");
  }
  std::string logArgument() const { return "/LOG=" + platform::utf8FromPath(logPath()); }
  std::string log() const {
    std::ifstream file(logPath());
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  std::optional<int> runSetup(Arguments arguments) {
    arguments.insert(arguments.begin(), "setup.exe");
    return runWithoutWindow(arguments, kWindows, run.drive.platform(), output);
  }
  bool installed() const { return run.drive.exists(R"(C:\WinLUD)"); }

  InstallerRun run;
  RecordingOutput output;
};

TEST_F(SetupProgramTest, WithoutArgumentsTheWindowRuns) {
  EXPECT_EQ(runSetup({}), std::nullopt);
  EXPECT_TRUE(output.informed.empty());
  EXPECT_TRUE(output.complaints.empty());
  EXPECT_FALSE(installed());
}

TEST_F(SetupProgramTest, HelpAndVersionAreShownAndEndTheProgram) {
  EXPECT_EQ(runSetup({"/?"}), 0);
  EXPECT_EQ(runSetup({"/version"}), 0);
  ASSERT_EQ(output.informed.size(), 2u);
  EXPECT_NE(output.informed[0].find("/SILENT"), std::string::npos);
  EXPECT_EQ(output.informed[1], "setup " + std::string(command_line::kProgramVersion));
  EXPECT_FALSE(installed());
}

TEST_F(SetupProgramTest, AMistakeIsShownWithTheHelpUnlessSilent) {
  EXPECT_EQ(runSetup({"/LANG=9"}), kCommandLineMistake);
  ASSERT_EQ(output.complaints.size(), 1u);
  EXPECT_NE(output.complaints[0].find("not \"9\""), std::string::npos);
  EXPECT_NE(output.complaints[0].find("/SILENT"), std::string::npos);

  EXPECT_EQ(runSetup({"/SILENT", "/LANG=9", logArgument()}), kCommandLineMistake);
  EXPECT_EQ(output.complaints.size(), 1u);
  EXPECT_NE(log().find("Error: The language is a number from 0 to 4"), std::string::npos);
  EXPECT_FALSE(installed());
}

TEST_F(SetupProgramTest, SilentInstallationWritesItsLogFile) {
  EXPECT_EQ(runSetup({"/SILENT", "/LANG=1", logArgument()}), 0);
  EXPECT_TRUE(output.informed.empty());
  EXPECT_TRUE(output.complaints.empty());
  EXPECT_TRUE(installed());
  EXPECT_NE(log().find("Message: Instaltion completed.\n"), std::string::npos);
  EXPECT_NE(log().find("Result: installation completed\n"), std::string::npos);
}

TEST_F(SetupProgramTest, ALogThatCannotBeWrittenStopsBeforeInstalling) {
  const std::string log = platform::utf8FromPath(logPath() / "no such folder" / "setup.log");
  EXPECT_EQ(runSetup({"/SILENT", "/LOG=" + log}), kCommandLineMistake);
  EXPECT_FALSE(installed());
  EXPECT_TRUE(output.complaints.empty());
}

}  // namespace
}  // namespace tavi::installer::testing
