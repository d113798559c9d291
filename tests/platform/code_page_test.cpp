#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "support/hex.h"
#include "support/test_drive.h"

namespace {

using tavi::testing::hex;
using tavi::testing::TestDrive;
using tavi::testing::TestDriveOptions;

TestDriveOptions withCodePage(unsigned codePage) {
  TestDriveOptions options;
  options.codePage = codePage;
  return options;
}

TEST(CodePage, TextConvertsToTheExactBytesAndBack) {
  struct Case {
    unsigned codePage;
    const char* text;
    const char* bytes;
  };
  const Case cases[] = {
      {1250, "Koloidní stříbro", "4B 6F 6C 6F 69 64 6E ED 20 73 74 F8 ED 62 72 6F"},
      {1250, "ŽŠČŘĎŤŇ žščřďťň", "8E 8A C8 D8 CF 8D D2 20 9E 9A E8 F8 EF 9D F2"},
      {1251, "Настройки Ёё", "CD E0 F1 F2 F0 EE E9 EA E8 20 A8 B8"},
      {1252, "Grüße, Åsa – €5", "47 72 FC DF 65 2C 20 C5 73 61 20 96 20 80 35"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TestDrive drive(withCodePage(c.codePage));
    const auto& platform = drive.platform();
    EXPECT_EQ(platform.codePage(), c.codePage);
    const std::string bytes = platform.toAnsi(c.text);
    EXPECT_EQ(hex(bytes), c.bytes);
    EXPECT_EQ(platform.fromAnsi(bytes), c.text);
  }
}

TEST(CodePage, UnmappableCharactersAndBrokenTextBecomeOneQuestionMarkEach) {
  struct Case {
    unsigned codePage;
    std::string text;
    std::string bytes;
  };
  const Case cases[] = {
      {1250, "漢字", "??"},
      {1252, "Жук", "???"},
      {1251, "a漢\r\nb\r\n", "a?\r\nb\r\n"},
      {1250,
       "a\xFF"
       "b",
       "a?b"},
      {1250, "\xC3", "?"},
      {1252, "x\xE2\x82", "x?"},
      {1252, "\xED\xA0\x80", "???"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(hex(c.text));
    TestDrive drive(withCodePage(c.codePage));
    EXPECT_EQ(drive.platform().toAnsi(c.text), c.bytes);
  }
}

// Bytes the code page leaves undefined read as the control character of the same value, as
// Windows reads them, and write back unchanged: every byte survives a round trip.
TEST(CodePage, EveryByteSurvivesARoundTrip) {
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte)
    everyByte.push_back(static_cast<char>(byte));
  for (const unsigned codePage : {1250u, 1251u, 1252u}) {
    SCOPED_TRACE(codePage);
    TestDrive drive(withCodePage(codePage));
    const std::string text = drive.platform().fromAnsi(everyByte);
    EXPECT_EQ(hex(drive.platform().toAnsi(text)), hex(everyByte));
  }
  TestDrive drive(withCodePage(1252));
  EXPECT_EQ(drive.platform().fromAnsi("\x81\x8D"), "\u0081\u008D");
}

// The same assertion holds for the Windows and the POSIX build: both leave identical files.
TEST(FileBytes, TextWrittenThroughThePlatformIsTheSameOnEveryBuild) {
  TestDrive drive(withCodePage(1250));
  auto& platform = drive.platform();
  platform.writeFile(
      R"(C:\KivTanOr5\Preparat.txt)",
      platform.toAnsi("Koloidní stříbro\r\nŘeřicha 50 g\r\n") + std::string("\x00\x1A\xFF", 3));
  EXPECT_EQ(hex(drive.read(R"(C:\KivTanOr5\Preparat.txt)")),
            "4B 6F 6C 6F 69 64 6E ED 20 73 74 F8 ED 62 72 6F 0D 0A "
            "D8 65 F8 69 63 68 61 20 35 30 20 67 0D 0A 00 1A FF");
}

// One rule on both builds: a character the code page lacks is one "?", never a look-alike (best
// fit would turn "Tōkyō" into "Tokyo", another folder), and the characters are named.
TEST(CodePage, CharactersTheCodePageLacksAreQuestionMarksAndNamed) {
  struct Case {
    unsigned codePage;
    std::string text;
    std::string bytes;
    std::u32string missing;
  };
  const Case cases[] = {
      {1252, "Tōkyō ř ł ő Д ß", "T?ky? ? ? ? ? \xDF", U"ōřłőД"},
      {1250, "Tōkyō ř ł ő Д ß é", "T?ky? \xF8 \xB3 \xF5 ? \xDF \xE9", U"ōД"},
      {1251, "Дом ř é №", "\xC4\xEE\xEC ? ? \xB9", U"řé"},
      {1252, "C:\\TaviTherapy\\", "C:\\TaviTherapy\\", U""},
      {1252, "a\xFF€", "a?\x80", U"\uFFFD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.codePage) + " " + c.text);
    TestDrive drive(withCodePage(c.codePage));
    EXPECT_EQ(hex(drive.platform().toAnsi(c.text)), hex(c.bytes));
    EXPECT_EQ(drive.platform().missingCharacters(c.text), c.missing);
  }
}

}  // namespace
