#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace tavi::fuzzing {

// A temporary drive C: for the whole fuzzing process, made once and removed when the process
// ends, holding C:\KivTanOr5\PrepSwich and a desktop folder as an installation leaves them.
// Each code page has its own platform on the same drive, so that one input can pick its code
// page without a new drive per execution.
class FuzzDrive {
 public:
  // The process's drive.
  static FuzzDrive& instance();

  platform::Platform& platform(unsigned codePage = 1250);
  // The native path of a Windows path on the drive ("C:\KivTanOr5\datC.dat"), names as given.
  std::filesystem::path native(std::string_view windowsPath) const;
  // The medium, the folder against which paths without a drive are resolved.
  const std::filesystem::path& medium() const { return medium_; }

  // Direct file access, beside the platform under test.
  void write(std::string_view windowsPath, std::string_view bytes) const;
  // The bytes, or nothing when the file cannot be read.
  std::string read(std::string_view windowsPath) const;
  bool isFile(std::string_view windowsPath) const;
  void remove(std::string_view windowsPath) const;
  // Empties a folder, keeping the folder itself.
  void clearFolder(std::string_view windowsPath) const;

  static constexpr std::string_view kDesktop = R"(C:\Users\Fuzz\Desktop)";

  FuzzDrive(const FuzzDrive&) = delete;
  FuzzDrive& operator=(const FuzzDrive&) = delete;

 private:
  FuzzDrive();
  ~FuzzDrive();

  std::filesystem::path folder_;
  std::filesystem::path root_;
  std::filesystem::path medium_;
  platform::Platform cp1250_;
  platform::Platform cp1251_;
  platform::Platform cp1252_;
};

}  // namespace tavi::fuzzing
