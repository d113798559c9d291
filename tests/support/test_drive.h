#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace tavi::testing {

struct TestDriveOptions {
  // Creates C:\KivTanOr5\ and C:\KivTanOr5\PrepSwich\, as an installation leaves them.
  bool withSettingsFolders = true;
  unsigned codePage = 1250;
  // Windows path of the desktop folder; it is created on the drive. Empty: "cannot be found".
  std::string desktopFolder = R"(C:\Users\Tester\Desktop)";
  std::string today = "9. 12. 2026";
  // Native folder of the installation medium (paths without a drive); empty: none.
  std::filesystem::path currentFolder;
  // A write of a file for which this answers true stops half way, as on a full disk.
  std::function<bool(std::string_view windowsPath)> writeFailsHalfway;
  // Called at each step of a write or a copy through the platform (see PlatformOptions).
  std::function<void(std::string_view windowsPath, platform::WriteStep step)> atWriteStep;
};

// A temporary drive C: for one test, removed with everything on it when the test ends. The
// helpers take Windows paths on that drive and touch the files directly, not through the
// platform under test, so that a test can set up and inspect files independently of it.
class TestDrive {
 public:
  explicit TestDrive(TestDriveOptions options = {});
  ~TestDrive();
  TestDrive(const TestDrive&) = delete;
  TestDrive& operator=(const TestDrive&) = delete;

  platform::Platform& platform() { return platform_; }
  const std::filesystem::path& root() const { return root_; }
  // Native folder against which paths without a drive are resolved; by default an empty
  // "medium" folder beside the drive, made by the first write into it.
  const std::filesystem::path& currentFolder() const { return currentFolder_; }
  // The native path of a Windows path on this drive ("C:\KivTanOr5\datC.dat"), letters as given.
  std::filesystem::path native(std::string_view windowsPath) const;

  // Writes the bytes, creating missing parent folders.
  void write(std::string_view windowsPath, std::string_view bytes) const;
  // The file's bytes; fails the test when the file cannot be read.
  std::string read(std::string_view windowsPath) const;
  bool exists(std::string_view windowsPath) const;
  void makeFolder(std::string_view windowsPath) const;
  // Removes a file or a folder with everything in it.
  void remove(std::string_view windowsPath) const;
  // Sets or clears Windows' read-only attribute (on POSIX: all write permissions).
  void setReadOnly(std::string_view windowsPath, bool readOnly = true) const;
  // Names of the files (not folders) directly in a folder, sorted.
  std::vector<std::string> filesIn(std::string_view windowsFolder) const;
  // Every file below the drive's root with its bytes, folders as "name/" with none, keyed by
  // the path relative to the root: to show what an action changed, and that nothing was left
  // half written.
  std::map<std::string, std::string> contents() const;

 private:
  std::filesystem::path root_;
  std::filesystem::path currentFolder_;
  platform::Platform platform_;
};

}  // namespace tavi::testing
