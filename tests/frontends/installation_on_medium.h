#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "support/test_drive.h"
#include "tools/demo_medium.h"

namespace tavi::frontends::testing {

// A temporary drive C: and, beside it, a generated installation medium that is the
// installer's current folder; removed again at the end.
class InstallationOnMedium {
 public:
  explicit InstallationOnMedium(std::optional<int> mediumLanguage) {
    tools::writeDemoMedium(mediumRoot(), {.language = mediumLanguage});
  }
  ~InstallationOnMedium() { std::filesystem::remove_all(mediumRoot()); }
  InstallationOnMedium(const InstallationOnMedium&) = delete;
  InstallationOnMedium& operator=(const InstallationOnMedium&) = delete;

  std::filesystem::path mediumRoot() const {
    return drive.root().parent_path() / (drive.root().filename().string() + "-medium");
  }

  // The drive, the medium as current folder and a desktop of its own.
  platform::Platform platform() const {
    platform::PlatformOptions options;
    options.driveC = drive.root();
    options.currentFolder = mediumRoot();
    options.codePage = 1252;
    options.desktopFolder = R"(C:\Users\Tester\Desktop)";
    options.today = "9. 12. 2026";
    return platform::Platform(options);
  }

  // What a full installation from the generated medium leaves, in that language.
  void expectInstalledIn(int language) const {
    EXPECT_EQ(drive.read(R"(C:\KivTanOr5\dLangv.dat)"),
              std::string({static_cast<char>(language), 0, 0, 0}));
    EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5\PicWlud)").size(), 162u);
    EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5\PfromNev)").size(), 96u);
    EXPECT_TRUE(drive.exists(R"(C:\WinLUD\Tavi Setting.exe)"));
    EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\GlobalSetPrep.dll)"));
    EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\PrepSwich)"));
    EXPECT_TRUE(drive.exists(R"(C:\Users\Tester\Desktop\Tavi Therapy EN.pdf)"));
  }

  tavi::testing::TestDrive drive;
};

}  // namespace tavi::frontends::testing
