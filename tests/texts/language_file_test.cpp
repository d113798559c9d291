#include "texts/language.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/io_error.h"
#include "support/test_drive.h"

namespace tavi::texts {
namespace {

using namespace std::string_literals;

class LanguageFileTest : public ::testing::Test {
 protected:
  testing::TestDrive drive;
  store::SettingsFiles files{drive.platform()};
};

TEST_F(LanguageFileTest, WithoutTheFileTheLanguageIsCzech) {
  EXPECT_EQ(loadLanguage(files), kCzech);
}

TEST_F(LanguageFileTest, ReadsTheStoredIndexUnchecked) {
  struct Case {
    std::string bytes;
    LanguageIndex language;
  };
  const Case cases[] = {
      {"\x01\x00\x00\x00"s, kEnglish},
      {"\x03\x00\x00\x00\x04"s, kSwedish},  // bytes after the first four are ignored
      {"\x07\x00\x00\x00"s, 7},
      {"\xFF\xFF\xFF\xFF"s, -1},
  };
  for (const Case& c : cases) {
    drive.write(kLanguageFile, c.bytes);
    EXPECT_EQ(loadLanguage(files), c.language);
  }
}

TEST_F(LanguageFileTest, AnEmptyFileIsAnErrorNotCzech) {
  drive.write(kLanguageFile, "");
  EXPECT_THROW(loadLanguage(files), platform::IoError);
  drive.write(kLanguageFile, "\x01\x00"s);
  EXPECT_THROW(loadLanguage(files), platform::IoError);
}

TEST_F(LanguageFileTest, StoresExactlyFourBytes) {
  drive.write(kLanguageFile, "\x01\x00\x00\x00\x00\x00"s);
  storeLanguage(files, kSwedish);
  EXPECT_EQ(drive.read(kLanguageFile), "\x03\x00\x00\x00"s);
  EXPECT_EQ(loadLanguage(files), kSwedish);
}

TEST(LanguageCaptionsTest, AnItemsPositionIsItsLanguageIndex) {
  EXPECT_EQ(kLanguageCaptions[kCzech], "Česky");
  EXPECT_EQ(kLanguageCaptions[kGerman], "Deutsche");
  EXPECT_EQ(kLanguageCaptions[kRussian], "Русский");
}

}  // namespace
}  // namespace tavi::texts
