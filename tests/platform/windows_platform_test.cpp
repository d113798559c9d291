// What only the Windows platform does: the desktop folder from the registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "platform/windows/wide_text.h"

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

}  // namespace
