#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/io_error.h"
#include "platform/platform.h"
#include "support/test_drive.h"

namespace {

namespace failure = tavi::platform::failure;
using tavi::platform::IoAction;
using tavi::platform::IoCause;
using tavi::platform::IoError;
using tavi::testing::TestDrive;

// The IoError that running the call throws, or none.
template <typename Call>
std::optional<IoError> errorOf(Call call) {
  try {
    call();
  } catch (const IoError& error) {
    return error;
  }
  return std::nullopt;
}

TEST(IoErrorMessage, NamesTheActionTheFileAndTheFailure) {
  const IoError error(IoAction::kRead, R"(C:\KivTanOr5\datLimit.dat)", IoCause::kFileEmpty);
  EXPECT_STREQ(error.what(), R"(Cannot read C:\KivTanOr5\datLimit.dat: the file is empty)");
  EXPECT_EQ(error.action(), IoAction::kRead);
  EXPECT_EQ(error.cause(), IoCause::kFileEmpty);
  EXPECT_EQ(error.path(), R"(C:\KivTanOr5\datLimit.dat)");
  EXPECT_EQ(error.failure(), "the file is empty");
}

TEST(FileKind, FilesAndFoldersAreToldApart) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\datC.dat)", "");
  struct Case {
    const char* path;
    bool file;
    bool folder;
  };
  const Case cases[] = {
      {R"(C:\KivTanOr5\datC.dat)", true, false},
      {R"(C:\KivTanOr5)", false, true},
      {R"(C:\KivTanOr5\PrepSwich\)", false, true},
      {R"(C:\KivTanOr5\datLimit.dat)", false, false},
      {R"(C:\NoSuchFolder\datC.dat)", false, false},
      {R"(C:\KivTanOr5\datC.dat\inside.dat)", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(drive.platform().fileExists(c.path), c.file);
    EXPECT_EQ(drive.platform().folderExists(c.path), c.folder);
  }
}

// One listing of a folder answers as a fileExists for each name would: letter case aside,
// files only.
TEST(FolderListing, FindsWhatFileExistsFinds) {
  TestDrive drive;
  const std::string folder = R"(C:\KivTanOr5\PrepSwich\)";
  drive.write(folder + "DopButt1.dat", "");
  drive.write(folder + "DOPBUTT2.DAT", "bytes");
  drive.makeFolder(folder + "DopButt3.dat");
  const auto files = drive.platform().filesIn(folder);
  struct Case {
    const char* name;
    bool found;
  };
  for (const Case& c :
       {Case{"DopButt1.dat", true}, Case{"dopbutt1.DAT", true}, Case{"DopButt2.dat", true},
        Case{"DopButt3.dat", false}, Case{"DopButt4.dat", false}, Case{"DopButt1.da", false}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(files.contains(c.name), c.found);
    EXPECT_EQ(drive.platform().fileExists(folder + c.name), c.found);
  }
  EXPECT_FALSE(drive.platform().filesIn(R"(C:\KivTanOr5\NoSuchFolder)").contains("DopButt1.dat"));
}

TEST(ReadFile, ReturnsEveryByteOfTheFile) {
  TestDrive drive;
  const std::string bytes("\x00\x1A\r\n\xFF text\r", 10);
  drive.write(R"(C:\KivTanOr5\datC.dat)", bytes);
  drive.write(R"(C:\KivTanOr5\empty.dat)", "");
  EXPECT_EQ(drive.platform().readFile(R"(C:\KivTanOr5\datC.dat)"), bytes);
  EXPECT_EQ(drive.platform().readFile(R"(C:\KivTanOr5\empty.dat)"), "");
}

TEST(ReadFile, FailureNamesTheFileAsGivenAndTheCause) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\datC.dat)", "x");
  struct Case {
    const char* path;
    const char* failure;
  };
  const Case cases[] = {
      {R"(C:\KivTanOr5\datLimit.dat)", failure::kFileMissing},
      {R"(C:\NoSuchFolder\datLimit.dat)", failure::kFolderMissing},
      {R"(C:\KivTanOr5\datC.dat\datLimit.dat)", failure::kFolderMissing},
      {R"(c:\kivtanor5\prepswich)", failure::kIsFolder},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const auto error = errorOf([&] { drive.platform().readFile(c.path); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->action(), IoAction::kRead);
    EXPECT_EQ(error->path(), c.path);
    EXPECT_EQ(error->failure(), c.failure);
    EXPECT_EQ(error->what(), "Cannot read " + std::string(c.path) + ": " + c.failure);
  }
}

TEST(WriteFile, CreatesOrTruncatesTheFile) {
  TestDrive drive;
  auto& platform = drive.platform();
  platform.writeFile(R"(C:\KivTanOr5\datC.dat)", "a much longer first content");
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datC.dat)"), "a much longer first content");
  platform.writeFile(R"(C:\KivTanOr5\datC.dat)", std::string("\x00\x01", 2));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datC.dat)"), std::string("\x00\x01", 2));
  platform.writeFile(R"(C:\KivTanOr5\datC.dat)", "");
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datC.dat)"), "");
}

TEST(WriteFile, FailureThrowsAndLeavesTheDriveAsItWas) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\locked.dat)", "kept");
  drive.setReadOnly(R"(C:\KivTanOr5\locked.dat)");
  struct Case {
    const char* path;
    const char* failure;
  };
  const Case cases[] = {
      {R"(C:\NoSuchFolder\datC.dat)", failure::kFolderMissing},
      {R"(C:\KivTanOr5\PrepSwich)", failure::kIsFolder},
      {R"(C:\KivTanOr5\locked.dat)", failure::kAccessDenied},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const auto error = errorOf([&] { drive.platform().writeFile(c.path, "new"); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->what(), "Cannot write " + std::string(c.path) + ": " + c.failure);
  }
  EXPECT_FALSE(drive.exists(R"(C:\NoSuchFolder)"));
  EXPECT_TRUE(drive.platform().folderExists(R"(C:\KivTanOr5\PrepSwich)"));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\locked.dat)"), "kept");
}

TEST(CopyFile, ReplacesTheTarget) {
  TestDrive drive;
  drive.write(R"(C:\Medium\GlobalSetPrep.dll)", "new");
  drive.write(R"(C:\KivTanOr5\GlobalSetPrep.dll)", "old and longer");
  EXPECT_TRUE(drive.platform().copyFile(R"(c:\medium\globalsetprep.dll)",
                                        R"(C:\KivTanOr5\GlobalSetPrep.dll)"));
  EXPECT_TRUE(drive.platform().copyFile(R"(C:\Medium\GlobalSetPrep.dll)",
                                        R"(C:\KivTanOr5\PrepSwich\Copy.dll)"));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\GlobalSetPrep.dll)"), "new");
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\PrepSwich\Copy.dll)"), "new");
  EXPECT_EQ(drive.read(R"(C:\Medium\GlobalSetPrep.dll)"), "new");
}

// As CopyFile does on Windows: the copy of a file from a read-only medium is read-only too.
// A CD gives read-only files; settings copied from it must stay saveable. A read-only copy left
// by an earlier installation is replaced like any other.
TEST(CopyFile, CopiesAreWritableWhateverTheSourceAndTargetAttributes) {
  TestDrive drive;
  drive.write(R"(C:\Medium\Data\datLimit.dat)", "medium");
  drive.setReadOnly(R"(C:\Medium\Data\datLimit.dat)");
  drive.write(R"(C:\KivTanOr5\datC.dat)", "old");
  drive.setReadOnly(R"(C:\KivTanOr5\datC.dat)");
  auto& platform = drive.platform();
  ASSERT_TRUE(platform.copyFile(R"(C:\Medium\Data\datLimit.dat)", R"(C:\KivTanOr5\datLimit.dat)"));
  ASSERT_TRUE(platform.copyFile(R"(C:\Medium\Data\datLimit.dat)", R"(C:\KivTanOr5\datC.dat)"));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datC.dat)"), "medium");
  EXPECT_NO_THROW(platform.writeFile(R"(C:\KivTanOr5\datLimit.dat)", "new"));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\datLimit.dat)"), "new");
  EXPECT_TRUE(platform.deleteFile(R"(C:\KivTanOr5\datC.dat)"));
}

TEST(CopyFile, FailureReturnsFalseAndKeepsTheTarget) {
  TestDrive drive;
  drive.write(R"(C:\Medium\source.dat)", "source");
  struct Case {
    const char* from;
    const char* to;
  };
  const Case cases[] = {
      {R"(C:\Medium\missing.dat)", R"(C:\KivTanOr5\target.dat)"},
      {R"(C:\Medium)", R"(C:\KivTanOr5\target.dat)"},
      {R"(C:\Medium\source.dat)", R"(C:\NoSuchFolder\target.dat)"},
      {R"(C:\Medium\source.dat)", R"(C:\KivTanOr5\PrepSwich)"},
      {R"(C:\Medium\source.dat)", R"(C:\MEDIUM\SOURCE.DAT)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
    EXPECT_FALSE(drive.platform().copyFile(c.from, c.to));
  }
  EXPECT_FALSE(drive.exists(R"(C:\KivTanOr5\target.dat)"));
  EXPECT_EQ(drive.read(R"(C:\Medium\source.dat)"), "source");
  EXPECT_TRUE(drive.platform().folderExists(R"(C:\KivTanOr5\PrepSwich)"));
}

TEST(DeleteFile, DeletesFilesOnly) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt211.dat)", "");
  drive.write(R"(C:\KivTanOr5\locked.dat)", "");
  drive.setReadOnly(R"(C:\KivTanOr5\locked.dat)");
  auto& platform = drive.platform();
  EXPECT_TRUE(platform.deleteFile(R"(C:\KIVTANOR5\PREPSWICH\dopbutt211.DAT)"));
  EXPECT_FALSE(drive.exists(R"(C:\KivTanOr5\PrepSwich\DopButt211.dat)"));
  EXPECT_FALSE(platform.deleteFile(R"(C:\KivTanOr5\PrepSwich\DopButt211.dat)"));
  EXPECT_FALSE(platform.deleteFile(R"(C:\KivTanOr5\PrepSwich)"));
  EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\PrepSwich)"));
  EXPECT_FALSE(platform.deleteFile(R"(C:\KivTanOr5\locked.dat)"));
  EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\locked.dat)"));
}

TEST(CreateFolder, CreatesOneLevelOnly) {
  tavi::testing::TestDriveOptions options;
  options.withSettingsFolders = false;
  TestDrive drive(options);
  auto& platform = drive.platform();
  EXPECT_TRUE(platform.createFolder(R"(C:\KivTanOr5)"));
  EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5)"));
  EXPECT_FALSE(platform.createFolder(R"(c:\kivtanor5)"));
  EXPECT_FALSE(platform.createFolder(R"(C:\WinLUD\Data)"));
  EXPECT_FALSE(drive.exists(R"(C:\WinLUD)"));
}

}  // namespace
