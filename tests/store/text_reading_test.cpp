#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "store/settings_files.h"
#include "support/test_drive.h"

namespace tavi::store {
namespace {

using namespace std::string_literals;

struct ReadingCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

// Text files as other programs of the suite may leave them, and the lines read from them.
const ReadingCase kReadingCases[] = {
    {"crlf", "one\r\ntwo\r\n", {"one", "two"}},
    {"lf alone", "one\ntwo\n", {"one", "two"}},
    {"no end after the last line", "one\r\ntwo", {"one", "two"}},
    {"empty lines kept", "\r\none\r\n\r\n", {"", "one", ""}},
    {"lone cr dropped", "one\rtwo\r\nthree\r\n", {"onetwo", "three"}},
    {"cr before crlf dropped", "one\r\r\ntwo\r\n", {"one", "two"}},
    {"cr at the very end dropped", "one\r", {"one"}},
    {"lf cr", "one\n\rtwo\r\n", {"one", "two"}},
    {"0x1A ends the file", "one\r\ntw\x1Ao\r\nthree\r\n", {"one", "tw"}},
    {"0x1A first", "\x1Aone\r\n", {}},
    {"empty file", "", {}},
    {"blanks kept", "  one  \r\n\t\r\n", {"  one  ", "\t"}},
    {"zero byte kept",
     "a\x00"
     "b\r\n"s,
     {"a\x00"
      "b"s}},
    // No byte-order mark is skipped: its three bytes are text in code page 1250.
    {"bom kept as text", "\xEF\xBB\xBFone\r\n", {"ď»żone"}},
};

TEST(TextReadingTest, ListAndLineFilesReadAsTheSuiteReadsThem) {
  constexpr std::string_view kPath = R"(C:\KivTanOr5\Preparat.txt)";
  testing::TestDrive drive;
  SettingsFiles files(drive.platform());
  for (const ReadingCase& c : kReadingCases) {
    SCOPED_TRACE(c.name);
    drive.write(kPath, c.bytes);
    EXPECT_EQ(files.ReadListFile(kPath), c.lines);
    EXPECT_EQ(files.ReadLineFile(kPath), c.lines.empty() ? "" : c.lines.front());
  }
}

}  // namespace
}  // namespace tavi::store
