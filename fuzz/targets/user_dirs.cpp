// The XDG user-dirs.dirs file, from which the Linux programs learn the desktop folder.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/posix/desktop_folder.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::filesystem::path home = "/home/fuzz";
  const auto desktop = tavi::platform::posix::desktopFromUserDirs(content, home);
  if (!desktop) return 0;
  FUZZ_CHECK(desktop->is_absolute());
  FUZZ_CHECK(content.find("XDG_DESKTOP_DIR") != std::string_view::npos);

  // The programs see the folder as a Windows path, on C: or on Z:.
  const std::string seen = tavi::fuzzing::FuzzDrive::instance().platform().windowsPath(*desktop);
  FUZZ_CHECK(seen.rfind("C:\\", 0) == 0 || seen.rfind("Z:\\", 0) == 0);
  return 0;
}
