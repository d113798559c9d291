// What only the POSIX platform does: finding Windows names on a case-sensitive file system,
// drive Z:, the user's locale and desktop, and starting other programs.
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

#include "platform/case_fold.h"
#include "platform/platform.h"
#include "platform/posix/desktop_folder.h"
#include "platform/posix/locale_code_page.h"
#include "support/test_drive.h"

namespace {

namespace fs = std::filesystem;
using tavi::testing::TestDrive;

TEST(PosixPathResolution, NativePathTakesTheLetterCaseOfExistingEntries) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\datLimit.dat)", "");
  drive.write(R"(C:\KivTanOr5\Настройки\Řeřicha.txt)", "");
  auto& platform = drive.platform();
  EXPECT_EQ(platform.nativePath(R"(c:\kivtanor5\DATLIMIT.DAT)"),
            drive.root() / "KivTanOr5" / "datLimit.dat");
  EXPECT_EQ(platform.nativePath(R"(C:\KIVTANOR5\НАСТРОЙКИ\řEŘICHA.txt)"),
            drive.root() / "KivTanOr5" / "Настройки" / "Řeřicha.txt");
  // Names without a match stay as written, and so does everything below them.
  EXPECT_EQ(platform.nativePath(R"(C:\kivtanor5\Nový\KivTanOr5)"),
            drive.root() / "KivTanOr5" / "Nový" / "KivTanOr5");
}

TEST(PosixPathResolution, LetterCaseIsIgnoredAsWindowsIgnoresIt) {
  using tavi::platform::foldedName;
  using tavi::platform::sameNameIgnoringCase;
  struct Case {
    std::string a;
    std::string b;
    bool same;
  };
  const Case cases[] = {
      {"DATLIMIT.DAT", "datLimit.dat", true},
      {"ÅÄÖ ÉÈÇ ÞÐ", "åäö éèç þð", true},
      {"ŁĄĘ ŘŠŽ ŐŰ Ÿ", "łąę řšž őű ÿ", true},
      {"ЁЖИК ЎІЄ ѢҐ", "ёжик ўіє ѣґ", true},
      {"ΣΟΦΊΑ ΌΣ", "σοφία ός", true},
      {"×", "÷", false},
      {"STRASSE", "straße", false},
      {"i", "ı", false},
      {"datLimit.dat", "datLimit.da", false},
      {"A\xC3", "a\xC3", false},
      {"a\xC3", "a\xC3", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.a + " / " + c.b);
    EXPECT_EQ(sameNameIgnoringCase(c.a, c.b), c.same);
    // Folders are kept by folded name: the key must draw the same line.
    EXPECT_EQ(foldedName(c.a) == foldedName(c.b), c.same);
  }
}

TEST(PosixPathResolution, AnExactMatchWinsOverOneInAnotherCase) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\DATC.DAT)", "upper");
  drive.write(R"(C:\KivTanOr5\datC.dat)", "exact");
  drive.write(R"(C:\KivTanOr5\datc.dat)", "lower");
  EXPECT_EQ(drive.platform().readFile(R"(C:\KivTanOr5\datC.dat)"), "exact");
  EXPECT_EQ(drive.platform().readFile(R"(C:\KivTanOr5\datc.dat)"), "lower");
  // Without an exact match the choice does not depend on the order of the folder.
  EXPECT_EQ(drive.platform().readFile(R"(C:\KivTanOr5\Datc.dat)"), "upper");
}

// Where only a case-sensitive file system can hold several spellings, or links, a listing of the
// folder still answers exactly as a lookup of each name does.
TEST(PosixPathResolution, AListingFindsTheEntryALookupFinds) {
  TestDrive drive;
  const std::string folder = R"(C:\KivTanOr5\PrepSwich\)";
  drive.makeFolder(folder + "DopButt1.dat");
  drive.write(folder + "dopbutt1.dat", "");
  drive.write(folder + "DOPBUTT2.DAT", "");
  drive.makeFolder(folder + "dopbutt2.dat");
  drive.write(folder + "target.dat", "");
  fs::create_symlink(drive.native(folder + "target.dat"), drive.native(folder + "DopButt5.dat"));
  fs::create_symlink(drive.native(folder + "gone.dat"), drive.native(folder + "DopButt6.dat"));
  fs::create_directory_symlink(drive.native(folder + "DopButt1.dat"),
                               drive.native(folder + "DopButt7.dat"));
  const auto files = drive.platform().filesIn(folder);
  for (const char* name : {"DopButt1.dat", "dopbutt1.dat", "Dopbutt1.dat", "DopButt2.dat",
                           "DOPBUTT2.DAT", "DopButt5.dat", "DopButt6.dat", "DopButt7.dat"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(files.contains(name), drive.platform().fileExists(folder + name));
  }
  EXPECT_TRUE(files.contains("dopbutt1.dat"));
  EXPECT_FALSE(files.contains("DopButt1.dat"));
  EXPECT_TRUE(files.contains("DopButt5.dat"));
  EXPECT_FALSE(files.contains("DopButt6.dat"));
}

// Lookups keep what they read of a folder; whatever changes it afterwards, from outside the
// platform, is seen by the next lookup.
TEST(PosixPathResolution, LookupsSeeEveryChangeMadeSinceTheLastOne) {
  TestDrive drive;
  auto& platform = drive.platform();
  const fs::path root = drive.root();
  const fs::path old = root.string() + "-old";
  const auto touch = [](const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << file.filename().string();
  };
  touch(root / "KivTanOr5" / "datA.dat");
  ASSERT_EQ(platform.nativePath(R"(C:\kivtanor5\DATA.DAT)"), root / "KivTanOr5" / "datA.dat");

  struct Step {
    std::string change;
    std::function<void()> make;
    std::string path;
    fs::path expected;
  };
  const Step steps[] = {
      {"a file is added", [&] { touch(root / "KivTanOr5" / "DATB.DAT"); },
       R"(C:\KivTanOr5\datb.dat)", root / "KivTanOr5" / "DATB.DAT"},
      {"a file is renamed to another case",
       [&] { fs::rename(root / "KivTanOr5" / "DATB.DAT", root / "KivTanOr5" / "Datb.dat"); },
       R"(C:\KivTanOr5\DATB.DAT)", root / "KivTanOr5" / "Datb.dat"},
      {"a file is deleted", [&] { fs::remove(root / "KivTanOr5" / "Datb.dat"); },
       R"(C:\KivTanOr5\DATB.DAT)", root / "KivTanOr5" / "DATB.DAT"},
      {"a folder is replaced by one in another case",
       [&] {
         fs::rename(root / "KivTanOr5", root / "Old");
         touch(root / "KIVTANOR5" / "datA.dat");
       },
       R"(C:\KivTanOr5\dATa.dat)", root / "KIVTANOR5" / "datA.dat"},
      {"a folder below is removed and made again",
       [&] {
         fs::remove_all(root / "KIVTANOR5");
         touch(root / "kivtanor5" / "PrepSwich" / "DopButt211.dat");
       },
       R"(C:\KivTanOr5\prepswich\dopbutt211.DAT)",
       root / "kivtanor5" / "PrepSwich" / "DopButt211.dat"},
      {"the drive itself is moved away and made again",
       [&] {
         fs::rename(root, old);
         touch(root / "KivTanOr5" / "prepswich" / "dopbutt211.dat");
       },
       R"(C:\KivTanOr5\PrepSwich\DopButt211.dat)",
       root / "KivTanOr5" / "prepswich" / "dopbutt211.dat"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.change);
    step.make();
    EXPECT_EQ(platform.nativePath(step.path), step.expected);
    EXPECT_EQ(platform.fileExists(step.path), fs::exists(step.expected));
  }
  fs::remove_all(old);
}

TEST(PosixPathResolution, DriveZIsTheRootOfTheFileSystem) {
  TestDrive drive;
  const fs::path outside = drive.root().parent_path() / "Outside File.txt";
  std::ofstream(outside) << "outside";
  auto& platform = drive.platform();
  const std::string windowsPath = platform.windowsPath(outside);
  ASSERT_EQ(windowsPath.substr(0, 3), R"(Z:\)");
  EXPECT_EQ(platform.nativePath(windowsPath), outside);
  EXPECT_EQ(platform.readFile(windowsPath), "outside");
  EXPECT_EQ(platform.nativePath(R"(Z:\)"), fs::path("/"));
  EXPECT_EQ(platform.windowsPath("/"), R"(Z:\)");
}

TEST(PosixCodePage, TheUsersLocaleGivesTheCodePageWindowsWouldUse) {
  struct Case {
    const char* locale;
    unsigned codePage;
  };
  const Case cases[] = {
      {"cs_CZ.UTF-8", 1250}, {"sk_SK", 1250},       {"pl_PL.UTF-8", 1250},
      {"hu_HU.UTF-8", 1250}, {"sr_RS@latin", 1250}, {"ru_RU.UTF-8", 1251},
      {"uk_UA.UTF-8", 1251}, {"sr_RS.UTF-8", 1251}, {"bg_BG", 1251},
      {"el_GR.UTF-8", 1253}, {"tr_TR.UTF-8", 1254}, {"he_IL.UTF-8", 1255},
      {"ar_EG.UTF-8", 1256}, {"lt_LT.UTF-8", 1257}, {"vi_VN", 1258},
      {"en_US.UTF-8", 1252}, {"de_DE@euro", 1252},  {"sv_SE.UTF-8", 1252},
      {"C", 1252},           {"POSIX", 1252},       {"", 1252},
      {"zh_TW.UTF-8", 950},  {"zh_CN.UTF-8", 936},  {"ja_JP.UTF-8", 932},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    EXPECT_EQ(tavi::platform::posix::codePageForLocale(c.locale), c.codePage);
  }
}

TEST(PosixCodePage, DoubleByteCodePagesConvertThroughIconv) {
  tavi::testing::TestDriveOptions options;
  options.codePage = 932;
  TestDrive drive(options);
  const auto& platform = drive.platform();
  EXPECT_EQ(platform.toAnsi("日本 Ж"), "\x93\xFA\x96\x7B \x84\x47");
  EXPECT_EQ(platform.fromAnsi("\x93\xFA\x96\x7B"), "日本");
  EXPECT_EQ(platform.toAnsi("a€b"), "a?b");
  EXPECT_EQ(platform.fromAnsi("a\x93"), "a\uFFFD");
}

TEST(PosixDesktop, TheUserDirsFileNamesTheDesktop) {
  using tavi::platform::posix::desktopFromUserDirs;
  const fs::path home = "/home/eva";
  struct Case {
    const char* content;
    std::optional<fs::path> desktop;
  };
  const Case cases[] = {
      {"# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Plocha\"\n", home / "Plocha"},
      {"XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\nXDG_DESKTOP_DIR=\"/data/Рабочий стол\"\n",
       fs::path("/data/Рабочий стол")},
      {"XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\"\"", home / "My \"Desk\""},
      {"XDG_DESKTOP_DIR=\"$HOME\"\n", home},
      {"XDG_DESKTOP_DIR=relative\nXDG_DESKTOP_DIRECTORY=\"/x\"\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    EXPECT_EQ(desktopFromUserDirs(c.content, home), c.desktop);
  }
}

// Puts a fake opener first on PATH while the test runs.
class FakeOpeners {
 public:
  explicit FakeOpeners(const fs::path& folder) : folder_(folder) {
    fs::create_directories(folder_);
    for (const char* name : {"xdg-open", "wine"}) {
      const fs::path script = folder_ / name;
      std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" << (folder_ / name).native()
                            << ".args.tmp\"\nmv \"" << script.native() << ".args.tmp\" \""
                            << script.native() << ".args\"\n";
      fs::permissions(script, fs::perms::owner_all);
    }
    if (const char* path = std::getenv("PATH")) savedPath_ = path;
    setenv("PATH", (folder_.native() + ":/usr/bin:/bin").c_str(), 1);
  }
  ~FakeOpeners() {
    if (savedPath_) {
      setenv("PATH", savedPath_->c_str(), 1);
    } else {
      unsetenv("PATH");
    }
  }
  FakeOpeners(const FakeOpeners&) = delete;
  FakeOpeners& operator=(const FakeOpeners&) = delete;

  // The arguments the opener was started with, one a line; empty after five seconds without.
  std::string argumentsOf(const char* name) const {
    const fs::path file = folder_ / (std::string(name) + ".args");
    for (int attempt = 0; attempt < 500 && !fs::exists(file); ++attempt) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(file);
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    fs::remove(file);
    return content;
  }

 private:
  fs::path folder_;
  std::optional<std::string> savedPath_;
};

bool hasChildProcesses() {
  int status = 0;
  return !(waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD);
}

TEST(PosixShellOpen, DocumentsAndAddressesGoToXdgOpenProgramsToWine) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\PicWlud\Info Tavi.pdf)", "pdf");
  drive.write(R"(C:\WinLUD\Tavi Universe.lnk)", "lnk");
  const FakeOpeners openers(drive.root().parent_path() / "bin");
  const auto& platform = drive.platform();

  platform.shellOpen(R"(c:\kivtanor5\picwlud\INFO TAVI.PDF)");
  EXPECT_EQ(openers.argumentsOf("xdg-open"),
            (drive.root() / "KivTanOr5" / "PicWlud" / "Info Tavi.pdf").native() + "\n");

  platform.shellOpen("https://example.com/a b?x='1'&y=\"$HOME\"");
  EXPECT_EQ(openers.argumentsOf("xdg-open"), "https://example.com/a b?x='1'&y=\"$HOME\"\n");

  platform.shellOpen(R"(C:\WinLUD\Tavi Universe.lnk)");
  EXPECT_EQ(openers.argumentsOf("wine"),
            "start\n/unix\n" + (drive.root() / "WinLUD" / "Tavi Universe.lnk").native() + "\n");

  EXPECT_FALSE(hasChildProcesses());
}

TEST(PosixShellOpen, AMissingOpenerIsNoError) {
  TestDrive drive;
  const char* saved = std::getenv("PATH");
  const std::string savedPath = saved != nullptr ? saved : "";
  setenv("PATH", (drive.root() / "nothing-here").c_str(), 1);
  drive.platform().shellOpen("https://example.com");
  drive.platform().shellOpen(R"(C:\WinLUD\Tavi Universe.exe)");
  setenv("PATH", savedPath.c_str(), 1);
  EXPECT_FALSE(hasChildProcesses());
}

// A copy onto a link replaces the link; it never writes through it into another file.
TEST(PosixCopy, ACopyOntoALinkReplacesTheLink) {
  TestDrive drive;
  drive.write(R"(C:\Medium\datLimit.dat)", "medium");
  drive.write(R"(C:\Elsewhere\keep.txt)", "keep");
  fs::create_symlink(drive.native(R"(C:\Elsewhere\keep.txt)"),
                     drive.native(R"(C:\KivTanOr5\datLimit.dat)"));
  ASSERT_TRUE(
      drive.platform().copyFile(R"(C:\Medium\datLimit.dat)", R"(C:\KivTanOr5\datLimit.dat)"));
  EXPECT_FALSE(fs::is_symlink(drive.native(R"(C:\KivTanOr5\datLimit.dat)")));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datLimit.dat)"), "medium");
  EXPECT_EQ(drive.read(R"(C:\Elsewhere\keep.txt)"), "keep");
}

// The kernel copies a large file in parts, and between two file systems not at all: every byte
// arrives either way, also from a file that tells no size (those of /proc).
TEST(PosixCopy, EveryByteArrivesFromTheSameOrAnotherFileSystem) {
  TestDrive drive;
  std::string picture(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < picture.size(); ++i)
    picture[i] = static_cast<char>((i * 7919) >> 5);
  drive.write(R"(C:\Medium\Data\PicWlud\Bild.jpg)", picture);
  ASSERT_TRUE(
      drive.platform().copyFile(R"(C:\Medium\Data\PicWlud\Bild.jpg)", R"(C:\KivTanOr5\Bild.jpg)"));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\Bild.jpg)"), picture);

  std::ifstream kernel("/proc/version", std::ios::binary);
  const std::string version{std::istreambuf_iterator<char>(kernel), {}};
  ASSERT_FALSE(version.empty());
  ASSERT_TRUE(drive.platform().copyFile(R"(Z:\proc\version)", R"(C:\KivTanOr5\version.txt)"));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\version.txt)"), version);
  drive.platform().flushCopies();
}

// Wine keeps the hidden and system attributes in this extended attribute and read-only as the
// lack of write permissions. The copy is a new file in the target's place, as on Windows: an
// ordinary writable one with the source's time of last change.
TEST(PosixCopy, HiddenSystemAndReadOnlyTargetsAreReplacedByAnOrdinaryFile) {
  constexpr char kSource[] = R"(C:\Medium\Tavi Scan.lnk)";
  constexpr char kTarget[] = R"(C:\Users\Tester\Desktop\Tavi Scan.lnk)";
  constexpr char kDosAttributes[] = "user.DOSATTRIB";
  for (const char* attributes : {"0x2", "0x4", "0x1", "0x7"}) {
    SCOPED_TRACE(attributes);
    TestDrive drive;
    drive.write(kSource, "shortcut");
    drive.write(kTarget, "old shortcut");
    const fs::path target = drive.native(kTarget);
    const std::string value(attributes);
    if (::setxattr(target.c_str(), kDosAttributes, value.data(), value.size(), 0) != 0) {
      GTEST_SKIP() << "this file system keeps no extended attributes";
    }
    if (value == "0x1" || value == "0x7") drive.setReadOnly(kTarget);
    ASSERT_TRUE(drive.platform().replaceFile(kSource, kTarget));
    EXPECT_EQ(drive.read(kTarget), "shortcut");
    EXPECT_LT(::getxattr(target.c_str(), kDosAttributes, nullptr, 0), 0);
    EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(drive.filesIn(R"(C:\Users\Tester\Desktop)").size(), 1u);
    EXPECT_EQ(fs::last_write_time(target), fs::last_write_time(drive.native(kSource)));
  }
}

}  // namespace
