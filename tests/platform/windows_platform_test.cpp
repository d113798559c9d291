// What only the Windows platform does: the desktop folder from the registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/windows/wide_text.h"
#include "support/test_drive.h"

namespace {

// The user's desktop folder exactly as the registry stores it; nothing when it has none.
std::wstring storedDesktop() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER,
                    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                    KEY_READ, &key) != ERROR_SUCCESS) {
    return {};
  }
  wchar_t value[1024] = {};
  DWORD size = sizeof value - sizeof(wchar_t);
  DWORD type = 0;
  const LSTATUS status =
      RegQueryValueExW(key, L"Desktop", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? std::wstring(value) : std::wstring();
}

TEST(WindowsDesktop, TheFolderIsTheRegistrysValueAsStored) {
  const std::wstring stored = storedDesktop();
  if (stored.empty()) GTEST_SKIP() << "this user's registry names no desktop folder";
  const tavi::platform::Platform platform;
  EXPECT_EQ(platform.desktopFolder(), tavi::platform::windows::narrow(stored));
}

// A settings file the suite keeps hidden stays hidden when it is replaced.
TEST(WindowsAtomicWrite, AReplacedFileKeepsItsAttributes) {
  tavi::testing::TestDrive drive;
  drive.write(R"(C:\KivTanOr5\datLimit.dat)", "old");
  const std::wstring native = drive.native(R"(C:\KivTanOr5\datLimit.dat)").wstring();
  ASSERT_TRUE(SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_HIDDEN));
  if ((GetFileAttributesW(native.c_str()) & FILE_ATTRIBUTE_HIDDEN) == 0) {
    GTEST_SKIP() << "this file system keeps no hidden attribute";
  }
  drive.platform().writeFile(R"(C:\KivTanOr5\datLimit.dat)", "new");
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datLimit.dat)"), "new");
  EXPECT_NE(GetFileAttributesW(native.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

DWORD attributesOf(const tavi::testing::TestDrive& drive, std::string_view path) {
  return GetFileAttributesW(drive.native(path).wstring().c_str());
}

bool keepsAttributes(const tavi::testing::TestDrive& drive, std::string_view path, DWORD wanted) {
  return SetFileAttributesW(drive.native(path).wstring().c_str(), wanted) &&
         (attributesOf(drive, path) & wanted) == wanted;
}

constexpr DWORD kBlocking = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;

TEST(WindowsAtomicWrite, SystemAndHiddenFilesStaySoAndAreNeverMissing) {
  constexpr char kPath[] = R"(C:\KivTanOr5\datFontScale.dat)";
  for (const DWORD attributes :
       {DWORD{FILE_ATTRIBUTE_SYSTEM}, DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}}) {
    SCOPED_TRACE(attributes);
    tavi::testing::TestDriveOptions options;
    const tavi::testing::TestDrive* watched = nullptr;
    options.atWriteStep = [&](std::string_view, tavi::platform::WriteStep) {
      EXPECT_EQ(attributesOf(*watched, kPath) & kBlocking, attributes);
    };
    tavi::testing::TestDrive drive(options);
    watched = &drive;
    drive.write(kPath, "old");
    if (!keepsAttributes(drive, kPath, attributes)) {
      GTEST_SKIP() << "this file system keeps no such attributes";
    }
    drive.platform().writeFile(kPath, "new");
    EXPECT_EQ(drive.read(kPath), "new");
    EXPECT_EQ(attributesOf(drive, kPath) & kBlocking, attributes);
  }
}

// As on Linux, where the copy is a new file in the target's place: an ordinary writable file
// with the source's time of last change, whatever the old target was.
TEST(WindowsCopy, HiddenSystemAndReadOnlyTargetsAreReplacedByAnOrdinaryFile) {
  constexpr char kSource[] = R"(C:\Medium\Tavi Scan.lnk)";
  constexpr char kTarget[] = R"(C:\Users\Tester\Desktop\Tavi Scan.lnk)";
  for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM},
                                 DWORD{FILE_ATTRIBUTE_READONLY}, kBlocking}) {
    SCOPED_TRACE(attributes);
    tavi::testing::TestDrive drive;
    drive.write(kSource, "shortcut");
    ASSERT_TRUE(keepsAttributes(drive, kSource, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    drive.write(kTarget, "old shortcut");
    if (!keepsAttributes(drive, kTarget, attributes)) {
      GTEST_SKIP() << "this file system keeps no such attributes";
    }
    ASSERT_TRUE(drive.platform().replaceFile(kSource, kTarget));
    EXPECT_EQ(drive.read(kTarget), "shortcut");
    EXPECT_EQ(attributesOf(drive, kTarget) & kBlocking, 0u);
    EXPECT_EQ(drive.filesIn(R"(C:\Users\Tester\Desktop)").size(), 1u);
    WIN32_FILE_ATTRIBUTE_DATA source{};
    WIN32_FILE_ATTRIBUTE_DATA target{};
    ASSERT_TRUE(GetFileAttributesExW(drive.native(kSource).wstring().c_str(), GetFileExInfoStandard,
                                     &source));
    ASSERT_TRUE(GetFileAttributesExW(drive.native(kTarget).wstring().c_str(), GetFileExInfoStandard,
                                     &target));
    EXPECT_EQ(CompareFileTime(&source.ftLastWriteTime, &target.ftLastWriteTime), 0);
  }
}

}  // namespace
