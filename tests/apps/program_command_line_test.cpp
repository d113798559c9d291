#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "command_line/program_version.h"
#include "forms/scripted_desktop.h"
#include "installer/installer.h"
#include "support/test_drive.h"
#include "tools/demo_medium.h"

namespace tavi::apps::testing {
namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>;

// A word for the shell, in single quotes (the test's paths hold none).
std::string shellWord(const std::string& text) {
  return "'" + text + "'";
}
std::string shellWord(const char* text) {
  return shellWord(std::string(text));
}
std::string shellWord(const fs::path& path) {
  return shellWord(path.string());
}

// Runs a shell command line without any display; its exit status.
int runWithoutDisplay(const std::string& command) {
  const int status =
      std::system(("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= " + command).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string contentOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every file below the folder by its path relative to it, with its bytes.
Tree treeOf(const fs::path& root) {
  Tree tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) tree[fs::relative(entry.path(), root).string()] = contentOf(entry);
  }
  return tree;
}

// A temporary folder beside the test drives, removed at the end.
struct TemporaryFolder {
  explicit TemporaryFolder(const fs::path& near, const std::string& suffix)
      : path(near.parent_path() / (near.filename().string() + suffix)) {
    fs::create_directories(path);
  }
  ~TemporaryFolder() { fs::remove_all(path); }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  fs::path path;
};

TEST(SetupProgram, SilentInstallationNeedsNoDisplayAndLeavesTheTreeOfTheWindow) {
  // The window's installation on a test drive, the person picking English.
  tavi::testing::TestDriveOptions fresh;
  fresh.withSettingsFolders = false;
  tavi::testing::TestDrive shown(fresh);
  TemporaryFolder medium(shown.root(), "-medium");
  tools::writeDemoMedium(medium.path, {});
  platform::PlatformOptions options;
  options.driveC = shown.root();
  options.currentFolder = medium.path;
  options.desktopFolder = R"(C:\Users\Tester\Desktop)";
  platform::Platform platform(options);
  forms::ScriptedDesktop person;
  installer::Installer setup(platform, person);
  setup.start();
  ASSERT_TRUE(setup.app.choose(setup.Form1->Language, texts::kEnglish));
  ASSERT_TRUE(setup.app.terminated());

  // The program, started silently in the medium's folder onto a Wine prefix of its own.
  TemporaryFolder prefix(shown.root(), "-prefix");
  const fs::path desktop = prefix.path / "drive_c" / "Users" / "Tester" / "Desktop";
  fs::create_directories(desktop);
  const fs::path log = prefix.path / "setup.log";
  const int status = runWithoutDisplay(
      "WINEPREFIX=" + shellWord(prefix.path) + " XDG_DESKTOP_DIR=" + shellWord(desktop) +
      " sh -c " +
      shellWord("cd " + medium.path.string() + " && exec \"$0\" --silent --log \"$1\"") + " " +
      shellWord(TAVI_SETUP_PROGRAM) + " " + shellWord(log));

  EXPECT_EQ(status, 0) << contentOf(log);
  EXPECT_EQ(treeOf(shown.root()), treeOf(prefix.path / "drive_c"));
  EXPECT_NE(contentOf(log).find("Message: Instaltion completed.\n"), std::string::npos);
}

TEST(Programs, AnswerTheirVersionAndMistakesWithoutADisplay) {
  struct Case {
    const char* program;
    const char* arguments;
    int status;
    std::string output;
  };
  const std::string version(command_line::kProgramVersion);
  const Case cases[] = {
      {TAVI_SETTING_PROGRAM, "--version", 0, "Tavi Setting " + version + "\n"},
      {TAVI_SETUP_PROGRAM, "--version", 0, "setup " + version + "\n"},
      {TAVI_SETUP_PROGRAM, "--lang 1", 2, ""},
      {TAVI_SETUP_PROGRAM, "--silent --log /nonexistent/folder/setup.log", 2, ""},
  };
  tavi::testing::TestDrive drive;
  const fs::path output = drive.root() / "output.txt";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.arguments);
    const int status =
        runWithoutDisplay(shellWord(c.program) + " " + c.arguments + " > " + shellWord(output));
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(contentOf(output), c.output);
  }
}

}  // namespace
}  // namespace tavi::apps::testing
