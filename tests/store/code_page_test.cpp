#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "store/settings_files.h"
#include "support/test_drive.h"

namespace tavi::store {
namespace {

constexpr std::string_view kPath = R"(C:\KivTanOr5\Preparat.txt)";

testing::TestDriveOptions withCodePage(unsigned codePage) {
  testing::TestDriveOptions options;
  options.codePage = codePage;
  return options;
}

struct CodePageCase {
  unsigned codePage;
  std::string text;
  std::string bytes;  // the text in the code page, without its line end
};

// One byte per character, in the code page of the user's locale, both ways.
const CodePageCase kRoundTrips[] = {
    {1250, "Koloidní stříbro",
     "Koloidn\xED st\xF8\xED"
     "bro"},
    {1250, "Přípravky vlastní", "P\xF8\xEDpravky vlastn\xED"},
    {1251, "Русский", "\xD0\xF3\xF1\xF1\xEA\xE8\xE9"},
    {1252, "Präparationen", "Pr\xE4parationen"},
};

TEST(CodePageTest, TextIsStoredInTheAnsiCodePageAndReadBack) {
  for (const CodePageCase& c : kRoundTrips) {
    SCOPED_TRACE(c.text);
    testing::TestDrive drive(withCodePage(c.codePage));
    SettingsFiles files(drive.platform());

    files.WriteLineFile(kPath, c.text);
    EXPECT_EQ(drive.read(kPath), c.bytes + "\r\n");
    EXPECT_EQ(files.ReadLineFile(kPath), c.text);

    const std::vector<std::string> lines = {c.text, c.text};
    files.WriteListFile(kPath, lines);
    EXPECT_EQ(drive.read(kPath), c.bytes + "\r\n" + c.bytes + "\r\n");
    EXPECT_EQ(files.ReadListFile(kPath), lines);
  }
}

TEST(CodePageTest, CharactersTheCodePageLacksDoNotBreakTheFile) {
  testing::TestDrive drive;  // code page 1250: no Cyrillic
  SettingsFiles files(drive.platform());
  const std::vector<std::string> lines = {"Русский", "Česky"};
  files.WriteListFile(kPath, lines);

  const std::string bytes = drive.read(kPath);
  EXPECT_EQ(bytes,
            "???????\r\n\xC8"
            "esky\r\n");
  EXPECT_EQ(files.ReadListFile(kPath), (std::vector<std::string>{"???????", "Česky"}));
}

}  // namespace
}  // namespace tavi::store
