#include "installed_tree.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/utf8_path.h"

namespace tavi::installer::testing {

namespace fs = std::filesystem;

FileTree installedTree(const tavi::testing::TestDrive& drive) {
  FileTree tree;
  std::error_code error;
  for (fs::recursive_directory_iterator entry(drive.root(), error), end; !error && entry != end;
       entry.increment(error)) {
    if (!entry->is_regular_file(error)) continue;
    std::string path = "C:";
    for (const fs::path& name : fs::relative(entry->path(), drive.root())) {
      path += '\\';
      path += platform::utf8FromPath(name);
    }
    std::ifstream file(entry->path(), std::ios::binary);
    tree[path] = std::string(std::istreambuf_iterator<char>(file), {});
  }
  if (error) ADD_FAILURE() << "cannot list the drive: " << error.message();
  return tree;
}

::testing::AssertionResult sameTree(const FileTree& expected, const FileTree& actual) {
  std::string differences;
  int count = 0;
  const auto note = [&](const std::string& what, const std::string& path) {
    if (++count <= 20) differences += "\n  " + what + ": " + path;
  };
  for (const auto& [path, content] : expected) {
    const auto found = actual.find(path);
    if (found == actual.end()) {
      note("missing", path);
    } else if (found->second != content) {
      note("different", path);
    }
  }
  for (const auto& [path, content] : actual) {
    if (!expected.contains(path)) note("unexpected", path);
  }
  if (count == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << count << " differences" << differences;
}

}  // namespace tavi::installer::testing
