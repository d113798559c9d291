#include "support/fuzz_drive.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>

namespace tavi::fuzzing {

namespace fs = std::filesystem;

namespace {

// In memory where the system has a RAM disk: rewriting a truncated file makes ext4 flush it
// to the disk at every close, which would slow every execution down to the disk's pace.
fs::path makeFolder() {
  std::error_code error;
  const fs::path ramDisk = "/dev/shm";
  const fs::path base = fs::is_directory(ramDisk, error) ? ramDisk : fs::temp_directory_path();
  // The process id in the name lets scripts/fuzz clear up after a run that ended on a finding.
  std::string pattern = (base / ("tavi-fuzz-" + std::to_string(::getpid()) + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
  return pattern;
}

platform::PlatformOptions optionsFor(const fs::path& root, const fs::path& medium,
                                     unsigned codePage) {
  platform::PlatformOptions options;
  options.driveC = root;
  options.currentFolder = medium;
  options.codePage = codePage;
  options.desktopFolder = std::string(FuzzDrive::kDesktop);
  options.today = "9. 12. 2026";
  return options;
}

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

FuzzDrive& FuzzDrive::instance() {
  static FuzzDrive drive;
  return drive;
}

FuzzDrive::FuzzDrive()
    : folder_(makeFolder()),
      root_(folder_ / "drive_c"),
      medium_(folder_ / "medium"),
      cp1250_(optionsFor(root_, medium_, 1250)),
      cp1251_(optionsFor(root_, medium_, 1251)),
      cp1252_(optionsFor(root_, medium_, 1252)) {
  fs::create_directories(native(R"(C:\KivTanOr5\PrepSwich)"));
  fs::create_directories(native(kDesktop));
  fs::create_directories(medium_);
}

FuzzDrive::~FuzzDrive() {
  std::error_code error;
  fs::remove_all(folder_, error);
}

platform::Platform& FuzzDrive::platform(unsigned codePage) {
  switch (codePage) {
    case 1251:
      return cp1251_;
    case 1252:
      return cp1252_;
    default:
      return cp1250_;
  }
}

fs::path FuzzDrive::native(std::string_view windowsPath) const {
  fs::path base = medium_;
  if (windowsPath.size() >= 2 && windowsPath[1] == ':') {
    base = root_;
    windowsPath.remove_prefix(2);
  }
  std::size_t start = 0;
  while (start < windowsPath.size()) {
    std::size_t end = start;
    while (end < windowsPath.size() && !isSeparator(windowsPath[end]))
      ++end;
    if (end > start) base /= std::string(windowsPath.substr(start, end - start));
    start = end + 1;
  }
  return base;
}

void FuzzDrive::write(std::string_view windowsPath, std::string_view bytes) const {
  std::ofstream file(native(windowsPath), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + std::string(windowsPath));
}

std::string FuzzDrive::read(std::string_view windowsPath) const {
  std::ifstream file(native(windowsPath), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool FuzzDrive::isFile(std::string_view windowsPath) const {
  std::error_code error;
  return fs::is_regular_file(native(windowsPath), error);
}

void FuzzDrive::remove(std::string_view windowsPath) const {
  std::error_code error;
  fs::remove_all(native(windowsPath), error);
}

void FuzzDrive::clearFolder(std::string_view windowsPath) const {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(native(windowsPath), error))
    fs::remove_all(entry.path(), error);
}

}  // namespace tavi::fuzzing
