#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/io_error.h"
#include "support/test_drive.h"

namespace tavi::platform {
namespace {

using testing::TestDrive;
using testing::TestDriveOptions;
using Names = std::vector<std::string>;

constexpr char kLimit[] = R"(C:\KivTanOr5\datLimit.dat)";

TestDriveOptions failingWritesOf(std::string path) {
  TestDriveOptions options;
  options.writeFailsHalfway = [path](std::string_view written) { return written == path; };
  return options;
}

// A full disk or a crash half way through leaves the old content (or no file), never a part,
// and no temporary file beside it.
TEST(AtomicWrite, AWriteThatFailsHalfWayLeavesTheOldContentOrNothing) {
  for (const bool existed : {true, false}) {
    SCOPED_TRACE(existed ? "existing file" : "new file");
    TestDrive drive(failingWritesOf(kLimit));
    if (existed) drive.write(kLimit, "old content");
    try {
      drive.platform().writeFile(kLimit, "the new content");
      ADD_FAILURE() << "the write did not fail";
    } catch (const IoError& error) {
      EXPECT_EQ(error.path(), kLimit);
      EXPECT_EQ(error.failure(), failure::kDiskFull);
    }
    EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5)"), existed ? Names{"datLimit.dat"} : Names{});
    if (existed) {
      EXPECT_EQ(drive.read(kLimit), "old content");
    }
  }
}

TEST(AtomicWrite, AReplacedFileKeepsItsNameAsSpeltAndLeavesNothingBeside) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\DATLIMIT.DAT)", "old");
  drive.platform().writeFile(kLimit, "new");
  drive.platform().writeFile(R"(C:\KivTanOr5\datC.dat)", "c");
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5)"), (Names{"DATLIMIT.DAT", "datC.dat"}));
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\DATLIMIT.DAT)"), "new");
}

// The failures a person can meet name the file and say what went wrong in words.
TEST(AtomicWrite, FailuresNameTheFileAndTheCauseInWords) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\locked.dat)", "locked");
  drive.setReadOnly(R"(C:\KivTanOr5\locked.dat)");
  drive.makeFolder(R"(C:\KivTanOr5\datC.dat)");
  struct Case {
    const char* path;
    const char* failure;
  };
  const Case cases[] = {
      {R"(C:\NoSuchFolder\datLimit.dat)", failure::kFolderMissing},
      {R"(C:\KivTanOr5\locked.dat)", failure::kAccessDenied},
      {R"(C:\KivTanOr5\datC.dat)", failure::kIsFolder},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    try {
      drive.platform().writeFile(c.path, "x");
      ADD_FAILURE() << "the write did not fail";
    } catch (const IoError& error) {
      EXPECT_EQ(std::string(error.what()),
                std::string("Cannot write ") + c.path + ": " + c.failure);
    }
  }
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\locked.dat)"), "locked");
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5)"), Names{"locked.dat"});
}

}  // namespace
}  // namespace tavi::platform
