#include "store/settings_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/io_error.h"
#include "support/test_drive.h"

namespace tavi::store {
namespace {

using namespace std::string_literals;
using platform::IoError;
using testing::TestDrive;

constexpr std::string_view kLimit = R"(C:\KivTanOr5\datLimit.dat)";
constexpr std::string_view kLanguage = R"(C:\KivTanOr5\dLangv.dat)";
constexpr std::string_view kFlag = R"(C:\KivTanOr5\datAutomat.dat)";
constexpr std::string_view kPort = R"(C:\KivTanOr5\COM_Nr.dat)";
constexpr std::string_view kList = R"(C:\KivTanOr5\Preparat.txt)";

class SettingsFilesTest : public ::testing::Test {
 protected:
  TestDrive drive;
  SettingsFiles files{drive.platform()};
};

// Runs an operation that must fail and returns its error.
template <typename Operation>
IoError ioErrorOf(Operation operation) {
  try {
    operation();
  } catch (const IoError& error) {
    return error;
  }
  ADD_FAILURE() << "no IoError was thrown";
  return IoError(platform::IoAction::kRead, "", platform::IoCause::kOther);
}

TEST_F(SettingsFilesTest, FlagCountsByExistenceAlone) {
  EXPECT_FALSE(files.FlagExists(kFlag));
  drive.write(kFlag, "any content");
  EXPECT_TRUE(files.FlagExists(kFlag));
}

TEST_F(SettingsFilesTest, SetFlagLeavesAnEmptyFileEvenOverContent) {
  files.SetFlag(kFlag);
  EXPECT_EQ(drive.read(kFlag), "");
  drive.write(kFlag, "old content");
  files.SetFlag(kFlag);
  EXPECT_EQ(drive.read(kFlag), "");
}

TEST_F(SettingsFilesTest, ClearFlagDeletesAndNeverFails) {
  drive.write(kFlag, "");
  files.ClearFlag(kFlag);
  EXPECT_FALSE(drive.exists(kFlag));

  EXPECT_NO_THROW(files.ClearFlag(kFlag));
  EXPECT_NO_THROW(files.ClearFlag(R"(C:\NoSuchFolder\datAutomat.dat)"));
  drive.makeFolder(R"(C:\KivTanOr5\Folder.dat)");
  EXPECT_NO_THROW(files.ClearFlag(R"(C:\KivTanOr5\Folder.dat)"));
  EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\Folder.dat)"));
}

TEST_F(SettingsFilesTest, ByteFileIsExactlyOneByte) {
  files.WriteByteFile(kLimit, 0);
  EXPECT_EQ(drive.read(kLimit), "\x00"s);
  files.WriteByteFile(kLimit, 255);
  EXPECT_EQ(drive.read(kLimit), "\xFF"s);
  EXPECT_EQ(files.ReadByteFile(kLimit), 255);
  files.WriteByteFile(kLimit, 80);
  EXPECT_EQ(drive.read(kLimit), "P");
}

TEST_F(SettingsFilesTest, ByteFileReadsItsFirstByteOnly) {
  drive.write(kLimit, "\xC8\x01\x02");
  EXPECT_EQ(files.ReadByteFile(kLimit), 200);
}

TEST_F(SettingsFilesTest, IntegerFileIsFourBytesLeastSignificantFirst) {
  struct Case {
    std::int32_t value;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {0, "\x00\x00\x00\x00"s},
      {1, "\x01\x00\x00\x00"s},
      {3, "\x03\x00\x00\x00"s},
      {0x12345678, "\x78\x56\x34\x12"s},
      {-1, "\xFF\xFF\xFF\xFF"s},
      {-2, "\xFE\xFF\xFF\xFF"s},
      {std::numeric_limits<std::int32_t>::min(), "\x00\x00\x00\x80"s},
      {std::numeric_limits<std::int32_t>::max(), "\xFF\xFF\xFF\x7F"s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    files.WriteIntFile(kLanguage, c.value);
    EXPECT_EQ(drive.read(kLanguage), c.bytes);
    EXPECT_EQ(files.ReadIntFile(kLanguage), c.value);
  }
}

TEST_F(SettingsFilesTest, IntegerFileReadsItsFirstFourBytesOnly) {
  drive.write(kLanguage, "\x02\x00\x00\x00\x09"s);
  EXPECT_EQ(files.ReadIntFile(kLanguage), 2);
}

TEST_F(SettingsFilesTest, ShortByteAndIntegerFilesAreErrorsNotDefaults) {
  drive.write(kLimit, "");
  IoError error = ioErrorOf([&] { files.ReadByteFile(kLimit); });
  EXPECT_EQ(error.path(), kLimit);
  EXPECT_EQ(error.failure(), "the file is empty");
  EXPECT_NE(std::string(error.what()).find(kLimit), std::string::npos) << error.what();

  drive.write(kLanguage, "");
  EXPECT_EQ(ioErrorOf([&] { files.ReadIntFile(kLanguage); }).failure(), "the file is empty");
  drive.write(kLanguage, "\x01\x00\x00"s);
  error = ioErrorOf([&] { files.ReadIntFile(kLanguage); });
  EXPECT_EQ(error.path(), kLanguage);
  EXPECT_EQ(error.failure(), "the file is too short");
}

TEST_F(SettingsFilesTest, LineFileIsTheTextThenCrLf) {
  files.WriteLineFile(R"(C:\KivTanOr5\0cestaEx.txt)", R"(C:\TaviTherapy\)");
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\0cestaEx.txt)"), "C:\\TaviTherapy\\\r\n");
  files.WriteLineFile(kPort, "");
  EXPECT_EQ(drive.read(kPort), "\r\n");
}

TEST_F(SettingsFilesTest, LineFileGivesItsFirstLineAndEmptyTextWhenEmpty) {
  drive.write(kPort, "3\r\n4\r\n");
  EXPECT_EQ(files.ReadLineFile(kPort), "3");
  drive.write(kPort, "");
  EXPECT_EQ(files.ReadLineFile(kPort), "");
}

TEST_F(SettingsFilesTest, ListFileEndsEveryLineWithCrLf) {
  const std::vector<std::string> lines = {"1", "", "0", "last"};
  files.WriteListFile(kList, lines);
  EXPECT_EQ(drive.read(kList), "1\r\n\r\n0\r\nlast\r\n");
  EXPECT_EQ(files.ReadListFile(kList), lines);

  files.WriteListFile(kList, {});
  EXPECT_EQ(drive.read(kList), "");
  EXPECT_TRUE(files.ReadListFile(kList).empty());
}

TEST_F(SettingsFilesTest, LongListKeepsEveryLineInOrder) {
  std::vector<std::string> lines;
  std::string expectedBytes;
  for (int i = 0; i < 20000; ++i) {
    lines.push_back("Přípravek " + std::to_string(i) +
                    std::string(static_cast<std::size_t>(i % 7), ' '));
    expectedBytes += drive.platform().toAnsi(lines.back()) + "\r\n";
  }
  files.WriteListFile(kList, lines);
  EXPECT_EQ(drive.read(kList), expectedBytes);
  EXPECT_EQ(files.ReadListFile(kList), lines);
}

TEST_F(SettingsFilesTest, BinaryFileReadsAsTextUpToTheEndOfFileByte) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    bytes.push_back(static_cast<char>(b));
  drive.write(kList, bytes);

  // LF (0x0A) ends the first line, the CR (0x0D) before 0x0E is dropped, and 0x1A ends it all.
  std::string second = "\x0B\x0C"s;
  for (char b = 0x0E; b < 0x1A; ++b)
    second.push_back(b);
  const std::vector<std::string> expected = {"\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09"s, second};
  EXPECT_EQ(files.ReadListFile(kList), expected);
  EXPECT_EQ(files.ReadLineFile(kList), expected.front());
  EXPECT_EQ(files.ReadByteFile(kList), 0);
  EXPECT_EQ(files.ReadIntFile(kList), 0x03020100);
}

TEST_F(SettingsFilesTest, AFolderIsNotAFile) {
  drive.makeFolder(R"(C:\KivTanOr5\datLimit.dat)");
  EXPECT_FALSE(files.FlagExists(kLimit));
  EXPECT_THROW(files.ReadByteFile(kLimit), IoError);
  EXPECT_THROW(files.ReadLineFile(kLimit), IoError);
  EXPECT_THROW(files.ReadListFile(kLimit), IoError);
  const IoError error = ioErrorOf([&] { files.WriteByteFile(kLimit, 80); });
  EXPECT_EQ(error.path(), kLimit);
  EXPECT_FALSE(error.failure().empty());
}

TEST_F(SettingsFilesTest, ReadingAMissingFileIsAnError) {
  EXPECT_EQ(ioErrorOf([&] { files.ReadByteFile(kLimit); }).path(), kLimit);
  EXPECT_THROW(files.ReadIntFile(kLanguage), IoError);
  EXPECT_THROW(files.ReadLineFile(kPort), IoError);
  EXPECT_THROW(files.ReadListFile(kList), IoError);
}

TEST(SettingsFilesWithoutFolder, EveryWriteFailsAndNoFolderIsCreated) {
  testing::TestDriveOptions options;
  options.withSettingsFolders = false;
  TestDrive drive(options);
  SettingsFiles files(drive.platform());
  const std::vector<std::string> list = {"1"};

  EXPECT_EQ(ioErrorOf([&] { files.SetFlag(kFlag); }).path(), kFlag);
  EXPECT_EQ(ioErrorOf([&] { files.WriteByteFile(kLimit, 80); }).path(), kLimit);
  EXPECT_EQ(ioErrorOf([&] { files.WriteIntFile(kLanguage, 1); }).path(), kLanguage);
  EXPECT_EQ(ioErrorOf([&] { files.WriteLineFile(kPort, "3"); }).path(), kPort);
  EXPECT_EQ(ioErrorOf([&] { files.WriteListFile(kList, list); }).path(), kList);
  EXPECT_FALSE(drive.exists(R"(C:\KivTanOr5)"));
}

TEST_F(SettingsFilesTest, NamesMatchInAnyLetterCase) {
  drive.write(kLimit, "\x5A");
  constexpr std::string_view kOtherCase = R"(c:\KIVTANOR5\DATLIMIT.DAT)";
  EXPECT_TRUE(files.FlagExists(kOtherCase));
  EXPECT_EQ(files.ReadByteFile(kOtherCase), 0x5A);

  files.WriteByteFile(kOtherCase, 70);
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5)"), std::vector<std::string>{"datLimit.dat"});
  EXPECT_EQ(drive.read(kLimit), "F");

  files.ClearFlag(kOtherCase);
  EXPECT_FALSE(drive.exists(kLimit));
}

}  // namespace
}  // namespace tavi::store
