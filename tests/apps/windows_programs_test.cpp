// The Windows programs as built: their version information, and "setup.exe /SILENT" started as
// a separate process. The installation goes onto the real drive C:, so it runs only in the
// throwaway Wine session of the tests (wine-session), never on a Windows of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "command_line/program_version.h"
#include "forms/scripted_desktop.h"
#include "installer/installer.h"
#include "platform/platform.h"
#include "platform/utf8_path.h"
#include "support/test_drive.h"
#include "tools/demo_medium.h"

namespace tavi::apps::testing {
namespace {

namespace fs = std::filesystem;
using Tree = std::map<std::string, std::string>;

// The build gives the programs' paths as the build machine sees them; under Wine "/" is Z:.
std::wstring programPath(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  if (path.starts_with("\\")) path = "Z:" + path;
  return platform::pathFromUtf8(path).wstring();
}

bool underWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::wstring versionValue(const std::wstring& program, const wchar_t* name) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> info(size);
  if (!GetFileVersionInfoW(program.c_str(), 0, size, info.data())) return {};
  void* value = nullptr;
  UINT length = 0;
  const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const wchar_t*>(value);
}

TEST(WindowsPrograms, CarryTheProjectVersion) {
  const std::string version(command_line::kProgramVersion);
  const std::wstring expected(version.begin(), version.end());
  for (const char* program : {TAVI_SETTING_PROGRAM, TAVI_SETUP_PROGRAM}) {
    SCOPED_TRACE(program);
    EXPECT_EQ(versionValue(programPath(program), L"ProductVersion"), expected);
    EXPECT_EQ(versionValue(programPath(program), L"FileVersion"), expected);
  }
}

std::string contentOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The files below each folder, by their path relative to the drive.
Tree treeOf(const fs::path& drive, std::initializer_list<const char*> folders) {
  Tree tree;
  for (const char* folder : folders) {
    if (!fs::exists(drive / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(drive / folder)) {
      if (!entry.is_regular_file()) continue;
      tree[platform::utf8FromPath(fs::relative(entry.path(), drive))] = contentOf(entry);
    }
  }
  return tree;
}

int runAndWait(const std::wstring& commandLine, const fs::path& folder) {
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.wstring().c_str(), &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, 300000);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

TEST(WindowsPrograms, SilentSetupLeavesTheTreeOfTheWindowAndItsLog) {
  if (!underWine()) GTEST_SKIP() << "installs onto drive C:; runs only in a Wine session";
  // The window's installation on a test drive, the person picking German.
  tavi::testing::TestDriveOptions fresh;
  fresh.withSettingsFolders = false;
  tavi::testing::TestDrive shown(fresh);
  const fs::path medium = shown.root().parent_path() / (shown.root().filename().string() + "-m");
  tools::writeDemoMedium(medium, {});
  platform::PlatformOptions options;
  options.driveC = shown.root();
  options.currentFolder = medium;
  options.desktopFolder = R"(C:\Users\Tester\Desktop)";
  platform::Platform platform(options);
  forms::ScriptedDesktop person;
  installer::Installer setup(platform, person);
  setup.start();
  ASSERT_TRUE(setup.app.choose(setup.Form1->Language, texts::kGerman));
  ASSERT_TRUE(setup.app.terminated());

  const fs::path log = medium / "setup.log";
  const int exitCode = runAndWait(L"\"" + programPath(TAVI_SETUP_PROGRAM) +
                                      L"\" /SILENT /LANG=2 /LOG=\"" + log.wstring() + L"\"",
                                  medium);
  const std::string logText = contentOf(log);
  fs::remove_all(medium);

  EXPECT_EQ(exitCode, 0) << logText;
  const fs::path driveC = L"C:\\";
  const auto folders = {"KivTanOr5", "WinLUD", "TaviTherapy", "Nev_Tool Data"};
  EXPECT_EQ(treeOf(shown.root(), folders), treeOf(driveC, folders));
  // The same desktop files: the registry's desktop folder in both runs.
  const fs::path desktop = platform::pathFromUtf8(platform::Platform().desktopFolder());
  const fs::path shownDesktop = platform.nativePath(platform.desktopFolder());
  std::vector<std::string> onDesktop;
  std::vector<std::string> onShownDesktop;
  for (const auto& entry : fs::directory_iterator(desktop))
    onDesktop.push_back(platform::utf8FromPath(entry.path().filename()));
  for (const auto& entry : fs::directory_iterator(shownDesktop))
    onShownDesktop.push_back(platform::utf8FromPath(entry.path().filename()));
  std::sort(onDesktop.begin(), onDesktop.end());
  std::sort(onShownDesktop.begin(), onShownDesktop.end());
  EXPECT_EQ(onDesktop, onShownDesktop);
  EXPECT_NE(logText.find("Message: Installation ist fertig."), std::string::npos);
  EXPECT_NE(logText.find("Result: installation completed"), std::string::npos);
}

}  // namespace
}  // namespace tavi::apps::testing
