#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavi::installer::testing {

// Every file that a complete installation medium carries, as paths relative to its root
// ("Data\barvyp00.png"), written out here independently of the installer's own lists.
const std::vector<std::string>& completeMedium();

// What a medium file holds: its own path and a few bytes that a text copy would spoil.
std::string mediumContent(std::string_view mediumPath);

// The medium of one run: the complete medium, written once per test program into a temporary
// folder and removed when the program ends, with the files of `missing` set aside and, when
// given, a language file "dLangv.dat" added; both are undone when the run ends. Writing the
// medium once keeps the many runs of the tests fast.
class TestMedium {
 public:
  explicit TestMedium(std::set<std::string> missing = {}, std::string languageFile = {});
  ~TestMedium();
  TestMedium(const TestMedium&) = delete;
  TestMedium& operator=(const TestMedium&) = delete;

  // The native folder of the medium's root, the installer's current folder.
  const std::filesystem::path& folder() const;

 private:
  std::set<std::string> missing_;
  bool withLanguageFile_;
};

}  // namespace tavi::installer::testing
