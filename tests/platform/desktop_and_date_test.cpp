#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/test_drive.h"

namespace {

using tavi::testing::TestDrive;
using tavi::testing::TestDriveOptions;

TEST(DesktopAndDate, OptionsStandForTheSystemsOwnValues) {
  TestDriveOptions options;
  options.desktopFolder = R"(C:\Users\Eva Nováková\Plocha)";
  options.today = "24.12.2026";
  TestDrive drive(options);
  EXPECT_EQ(drive.platform().desktopFolder(), R"(C:\Users\Eva Nováková\Plocha)");
  EXPECT_TRUE(drive.platform().folderExists(drive.platform().desktopFolder()));
  EXPECT_EQ(drive.platform().today(), "24.12.2026");

  options.desktopFolder = "";
  TestDrive withoutDesktop(options);
  EXPECT_EQ(withoutDesktop.platform().desktopFolder(), "");
}

}  // namespace
