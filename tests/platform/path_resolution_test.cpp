#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/windows_path.h"
#include "support/test_drive.h"

namespace {

using tavi::platform::parseWindowsPath;
using tavi::platform::WindowsPath;
using tavi::testing::TestDrive;

TEST(PathResolution, NamesMatchExistingEntriesWithoutRegardToLetterCase) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\datLimit.dat)", "limit");
  drive.write(R"(C:\KivTanOr5\Přípravky\Řeřicha.txt)", "cress");
  drive.write(R"(C:\KivTanOr5\Настройки\Файл.dat)", "file");
  struct Case {
    const char* path;
    const char* content;
  };
  const Case cases[] = {
      {R"(C:\KivTanOr5\datLimit.dat)", "limit"},
      {R"(c:\kivtanor5\DATLIMIT.DAT)", "limit"},
      {"C:/KIVTANOR5/datlimit.dat", "limit"},
      {R"(C:\KivTanOr5\\.\PrepSwich\..\datLimit.dat)", "limit"},
      {R"(C:\..\KivTanOr5\datLimit.dat)", "limit"},
      {R"(C:\kivtanor5\PŘÍPRAVKY\řeřICHA.TXT)", "cress"},
      {R"(C:\KIVTANOR5\настройки\ФАЙЛ.DAT)", "file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_TRUE(drive.platform().fileExists(c.path));
    EXPECT_EQ(drive.platform().readFile(c.path), c.content);
  }
}

TEST(PathResolution, NewFileGetsItsNameAsWrittenInTheExistingFolder) {
  TestDrive drive;
  drive.platform().writeFile(R"(c:\KIVTANOR5\prepswich\DopButt211.dat)", "");
  drive.platform().writeFile(R"(C:\kivtanor5\Řeřicha Nová.TXT)", "x");
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5\PrepSwich)"), std::vector<std::string>{"DopButt211.dat"});
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5)"), std::vector<std::string>{"Řeřicha Nová.TXT"});
}

TEST(PathResolution, PathWithoutDriveIsRelativeToTheCurrentFolder) {
  TestDrive drive;
  drive.write(R"(DWin\Tavi Setting.exe)", "program");
  drive.write("dLangv.dat", "lang");
  auto& platform = drive.platform();
  EXPECT_EQ(platform.readFile(R"(dwin\TAVI SETTING.EXE)"), "program");
  EXPECT_EQ(platform.readFile(R"(DWin\..\dLangv.dat)"), "lang");
  EXPECT_EQ(platform.readFile(R"(.\dLangv.dat)"), "lang");
  EXPECT_FALSE(platform.fileExists(R"(KivTanOr5\datLimit.dat)"));
}

TEST(PathResolution, NativePathsOnDriveCAreSeenAsWindowsPaths) {
  TestDrive drive;
  auto& platform = drive.platform();
  EXPECT_EQ(platform.windowsPath(drive.root()), R"(C:\)");
  EXPECT_EQ(platform.windowsPath(drive.root() / "KivTanOr5" / "datC.dat"),
            R"(C:\KivTanOr5\datC.dat)");
  EXPECT_EQ(platform.windowsPath(drive.native(R"(C:\Users\Tester\Desktop)")),
            R"(C:\Users\Tester\Desktop)");
  EXPECT_TRUE(platform.folderExists(platform.windowsPath(drive.native(R"(C:\KivTanOr5)"))));
}

TEST(PathResolution, WindowsPathsAreTakenApartAsWindowsReadsThem) {
  using Base = WindowsPath::Base;
  struct Case {
    const char* path;
    Base base;
    char drive;
    int levelsUp;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {R"(C:\KivTanOr5\datC.dat)", Base::Drive, 'C', 0, {"KivTanOr5", "datC.dat"}},
      {"c:/a//b/", Base::Drive, 'C', 0, {"a", "b"}},
      {R"(C:\a\.\b\..\..\..\c)", Base::Drive, 'C', 0, {"c"}},
      {R"(\\?\D:\x)", Base::Drive, 'D', 0, {"x"}},
      {R"(DWin\Tavi Setting.exe)", Base::CurrentFolder, 0, 0, {"DWin", "Tavi Setting.exe"}},
      {R"(..\..\Data\x)", Base::CurrentFolder, 0, 2, {"Data", "x"}},
      {R"(\KivTanOr5)", Base::CurrentDriveRoot, 0, 0, {"KivTanOr5"}},
      {R"(\\server\share\..\x)", Base::Network, 0, 0, {"server", "share", "x"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const WindowsPath parsed = parseWindowsPath(c.path);
    EXPECT_EQ(parsed.base, c.base);
    EXPECT_EQ(parsed.drive, c.drive);
    EXPECT_EQ(parsed.levelsUp, c.levelsUp);
    EXPECT_EQ(parsed.names, c.names);
  }
}

TEST(PathResolution, TrailingPeriodsAndBlanksGoAsWindowsDropsThem) {
  struct Case {
    const char* path;
    std::vector<std::string> names;
    bool valid;
  };
  const Case cases[] = {
      {R"(C:\TaviTherapy.\)", {"TaviTherapy"}, true},
      {R"(C:\a.\b.\c. . )", {"a", "b", "c"}, true},
      {R"(C:\Tavi..\x..)", {"Tavi.", "x"}, true},
      {R"(C:\a\b. .\c)", {"a", "b. ", "c"}, true},
      {R"(C:\a\b \)", {"a", "b "}, true},
      {R"(C:\a\....)", {"a"}, true},
      {R"(C:\a\...\c)", {"a", "c"}, false},
      {R"(\\?\C:\a.\b )", {"a.", "b "}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const WindowsPath parsed = parseWindowsPath(c.path);
    EXPECT_EQ(parsed.names, c.names);
    EXPECT_EQ(parsed.valid, c.valid);
  }

  // The files behind them, as the system finds them.
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\datLimit.dat)", "limit");
  auto& platform = drive.platform();
  EXPECT_TRUE(platform.folderExists(R"(C:\KivTanOr5.\)"));
  EXPECT_EQ(platform.readFile(R"(C:\KivTanOr5\datLimit.dat. )"), "limit");
  EXPECT_FALSE(platform.fileExists(R"(C:\KivTanOr5\...\datLimit.dat)"));
  platform.writeFile(R"(C:\KivTanOr5.\Preparat.txt..)", "own");
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5)"),
            (std::vector<std::string>{"Preparat.txt", "datLimit.dat"}));
}

TEST(PathResolution, WebAddressesAndExtensionsAreRecognised) {
  EXPECT_TRUE(tavi::platform::isWebAddress("https://www.example.com/a b"));
  EXPECT_TRUE(tavi::platform::isWebAddress("mailto:info@example.com"));
  EXPECT_FALSE(tavi::platform::isWebAddress(R"(C:\KivTanOr5\PicWlud\Info.pdf)"));
  EXPECT_FALSE(tavi::platform::isWebAddress(R"(Data\x:y)"));
  EXPECT_EQ(tavi::platform::lowerExtension(R"(C:\WinLUD\Tavi Universe.LNK)"), ".lnk");
  EXPECT_EQ(tavi::platform::lowerExtension(R"(C:\Dir.v2\README)"), "");
}

}  // namespace
