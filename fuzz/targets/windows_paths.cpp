// Windows paths as a person types them into the main window's folder fields: normalised as the
// save stores them, resolved on drive C:, tested for a folder and stored in a line file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/main_window/folder_paths.h"
#include "platform/utf8.h"
#include "platform/windows_path.h"
#include "store/settings_files.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"

namespace {

using tavi::fuzzing::FuzzDrive;
namespace fs = std::filesystem;

constexpr std::string_view kOutputFolderFile = R"(C:\KivTanOr5\0cestaEx.txt)";

bool inside(const fs::path& path, const fs::path& root) {
  auto at = path.begin();
  for (const fs::path& part : root) {
    if (at == path.end() || *at != part) return false;
    ++at;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzDrive& drive = FuzzDrive::instance();
  tavi::platform::Platform& platform = drive.platform(size > 0 ? 1250 + data[0] % 3 : 1250);
  const std::string typed(reinterpret_cast<const char*>(data), size);

  const std::string normalised = tavi::editor::normalisedFolderPath(typed);
  if (typed.empty()) {
    FUZZ_CHECK(normalised.empty());
    return 0;
  }
  FUZZ_CHECK(normalised.back() == '\\' && normalised.front() == typed.front());
  FUZZ_CHECK(tavi::editor::normalisedFolderPath(normalised) == normalised);
  FUZZ_CHECK(normalised.compare(0, normalised.size() - 1, typed, 0, normalised.size() - 1) == 0);

  const tavi::platform::WindowsPath parsed = tavi::platform::parseWindowsPath(normalised);
  for (const std::string& name : parsed.names) {
    FUZZ_CHECK(!name.empty() && name != "." && name != "..");
    FUZZ_CHECK(name.find_first_of("\\/") == std::string::npos);
  }

  // Drive C: is a folder of its own: no path on it leads outside, whatever ".." it holds.
  // A NUL ends a name on Windows, and "..." between separators loses a period to become the
  // name ".."; such a path names no file at all.
  const fs::path native = platform.nativePath(normalised);
  if (normalised.find('\0') != std::string::npos || !parsed.valid) {
    FUZZ_CHECK(native.empty());
  } else if (parsed.base == tavi::platform::WindowsPath::Base::Drive && parsed.drive == 'C') {
    FUZZ_CHECK(inside(native, drive.native("C:")));
  }

  // The save tests the folder without its final backslash, then stores the whole text.
  static_cast<void>(platform.folderExists(normalised.substr(0, normalised.size() - 1)));
  tavi::store::SettingsFiles files(platform);
  files.WriteLineFile(kOutputFolderFile, normalised);
  const std::string stored = files.ReadLineFile(kOutputFolderFile);
  FUZZ_CHECK(tavi::platform::utf8::isWellFormed(stored));
  if (platform.fromAnsi(platform.toAnsi(normalised)) == normalised &&
      normalised.find_first_of("\r\n\x1A") == std::string::npos) {
    FUZZ_CHECK(stored == normalised);
  }
  return 0;
}
