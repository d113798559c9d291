// What only the Windows platform does: the desktop folder from the registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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

}  // namespace
