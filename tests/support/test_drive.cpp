#include "support/test_drive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

#include "platform/utf8_path.h"

namespace tavi::testing {

namespace fs = std::filesystem;

namespace {

// <temp>/tavi-test-<random>/drive_c, so that what Wine would keep beside drive_c is private too.
fs::path makeUniqueDrive() {
  std::random_device random;
  const fs::path temp = fs::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::uint64_t tag = (static_cast<std::uint64_t>(random()) << 32) ^ random();
    char name[32];
    std::snprintf(name, sizeof name, "tavi-test-%016llx", static_cast<unsigned long long>(tag));
    const fs::path folder = temp / name;
    if (fs::create_directory(folder)) {
      fs::create_directory(folder / "drive_c");
      return folder / "drive_c";
    }
  }
  throw std::runtime_error("cannot create a temporary drive in " + temp.string());
}

fs::path chosenCurrentFolder(const fs::path& drive, const TestDriveOptions& options) {
  // Without a medium, relative paths lead to a folder that does not exist.
  return options.currentFolder.empty() ? drive.parent_path() / "medium" : options.currentFolder;
}

platform::PlatformOptions platformOptions(const fs::path& drive, const fs::path& currentFolder,
                                          const TestDriveOptions& options) {
  platform::PlatformOptions result;
  result.driveC = drive;
  result.currentFolder = currentFolder;
  result.codePage = options.codePage;
  result.desktopFolder = options.desktopFolder;
  result.today = options.today;
  result.writeFailsHalfway = options.writeFailsHalfway;
  result.atWriteStep = options.atWriteStep;
  return result;
}

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

bool isOnDriveC(std::string_view windowsPath) {
  return windowsPath.size() >= 2 && (windowsPath[0] == 'C' || windowsPath[0] == 'c') &&
         windowsPath[1] == ':';
}

fs::path appendNames(fs::path base, std::string_view names) {
  std::size_t start = 0;
  while (start < names.size()) {
    std::size_t end = start;
    while (end < names.size() && !isSeparator(names[end]))
      ++end;
    if (end > start) base /= platform::pathFromUtf8(names.substr(start, end - start));
    start = end + 1;
  }
  return base;
}

void makeWritable(const fs::path& path) {
  std::error_code error;
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
}

}  // namespace

TestDrive::TestDrive(TestDriveOptions options)
    : root_(makeUniqueDrive()),
      currentFolder_(chosenCurrentFolder(root_, options)),
      platform_(platformOptions(root_, currentFolder_, options)) {
  if (options.withSettingsFolders) makeFolder(R"(C:\KivTanOr5\PrepSwich)");
  if (isOnDriveC(options.desktopFolder)) makeFolder(options.desktopFolder);
}

TestDrive::~TestDrive() {
  const fs::path folder = root_.parent_path();
  std::error_code error;
  // Read-only files could not be deleted on Windows.
  for (fs::recursive_directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    makeWritable(entry->path());
  }
  fs::remove_all(folder, error);
}

fs::path TestDrive::native(std::string_view windowsPath) const {
  if (isOnDriveC(windowsPath)) return appendNames(root_, windowsPath.substr(2));
  const bool relative = !windowsPath.empty() && !isSeparator(windowsPath[0]) &&
                        windowsPath.find(':') == std::string_view::npos;
  if (relative) return appendNames(currentFolder_, windowsPath);
  ADD_FAILURE() << "not a path on the test drive: " << windowsPath;
  return root_ / "not-on-the-test-drive";
}

void TestDrive::write(std::string_view windowsPath, std::string_view bytes) const {
  const fs::path path = native(windowsPath);
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) ADD_FAILURE() << "cannot write " << windowsPath;
}

std::string TestDrive::read(std::string_view windowsPath) const {
  std::ifstream file(native(windowsPath), std::ios::binary);
  if (!file) {
    ADD_FAILURE() << "cannot read " << windowsPath;
    return {};
  }
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool TestDrive::exists(std::string_view windowsPath) const {
  std::error_code error;
  return fs::exists(native(windowsPath), error);
}

void TestDrive::makeFolder(std::string_view windowsPath) const {
  std::error_code error;
  fs::create_directories(native(windowsPath), error);
  if (error) ADD_FAILURE() << "cannot create " << windowsPath << ": " << error.message();
}

void TestDrive::remove(std::string_view windowsPath) const {
  const fs::path path = native(windowsPath);
  std::error_code error;
  for (fs::recursive_directory_iterator entry(path, error), end; !error && entry != end;
       entry.increment(error)) {
    makeWritable(entry->path());
  }
  makeWritable(path);
  fs::remove_all(path, error);
  if (error) ADD_FAILURE() << "cannot remove " << windowsPath << ": " << error.message();
}

void TestDrive::setReadOnly(std::string_view windowsPath, bool readOnly) const {
  constexpr auto kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  std::error_code error;
  if (readOnly) {
    fs::permissions(native(windowsPath), kWrite, fs::perm_options::remove, error);
  } else {
    fs::permissions(native(windowsPath), fs::perms::owner_write, fs::perm_options::add, error);
  }
  if (error) ADD_FAILURE() << "cannot change " << windowsPath << ": " << error.message();
}

std::vector<std::string> TestDrive::filesIn(std::string_view windowsFolder) const {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator entry(native(windowsFolder), error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->is_regular_file(error))
      names.push_back(platform::utf8FromPath(entry->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::map<std::string, std::string> TestDrive::contents() const {
  std::map<std::string, std::string> result;
  for (const auto& entry : fs::recursive_directory_iterator(root_)) {
    const std::string name = entry.path().lexically_relative(root_).generic_string();
    if (entry.is_regular_file()) {
      std::ifstream file(entry.path(), std::ios::binary);
      result[name] = {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    } else {
      result[name + "/"] = {};
    }
  }
  return result;
}

}  // namespace tavi::testing
