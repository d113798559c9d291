#include "catalogue/product_flags.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/io_error.h"
#include "store/settings_files.h"
#include "support/test_drive.h"

namespace tavi::catalogue {
namespace {

using testing::TestDrive;
using testing::TestDriveOptions;

constexpr std::string_view kFlagFolder = R"(C:\KivTanOr5\PrepSwich)";

TEST(ProductFlags, FileNameIsTheIndexInDecimal) {
  EXPECT_EQ(productFlagPath(1), R"(C:\KivTanOr5\PrepSwich\DopButt1.dat)");
  EXPECT_EQ(productFlagPath(57), R"(C:\KivTanOr5\PrepSwich\DopButt57.dat)");
  EXPECT_EQ(productFlagPath(321), R"(C:\KivTanOr5\PrepSwich\DopButt321.dat)");
}

TEST(ProductFlags, SelectCreatesAnEmptyFileAndDeselectDeletesIt) {
  TestDrive drive;
  store::SettingsFiles files(drive.platform());
  EXPECT_FALSE(isProductSelected(files, 57));

  selectProduct(files, 57);
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\PrepSwich\DopButt57.dat)"), "");
  EXPECT_TRUE(isProductSelected(files, 57));
  EXPECT_FALSE(isProductSelected(files, 58));

  deselectProduct(files, 57);
  EXPECT_FALSE(drive.exists(R"(C:\KivTanOr5\PrepSwich\DopButt57.dat)"));
  EXPECT_FALSE(isProductSelected(files, 57));
  EXPECT_TRUE(drive.filesIn(kFlagFolder).empty());
}

TEST(ProductFlags, AnyFileMeansSelectedAndSelectingEmptiesIt) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt5.dat)", "");
  drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt6.dat)", "1\r\n");
  store::SettingsFiles files(drive.platform());
  EXPECT_TRUE(isProductSelected(files, 5));
  EXPECT_TRUE(isProductSelected(files, 6));

  selectProduct(files, 6);
  EXPECT_EQ(drive.read(R"(C:\KivTanOr5\PrepSwich\DopButt6.dat)"), "");
}

TEST(ProductFlags, LeadingZeroFileIsNotTheProduct) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt057.dat)", "");
  store::SettingsFiles files(drive.platform());
  EXPECT_FALSE(isProductSelected(files, 57));
  deselectProduct(files, 57);
  EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\PrepSwich\DopButt057.dat)"));
}

TEST(ProductFlags, DeselectingAnUnselectedProductIsNoError) {
  TestDrive drive;
  store::SettingsFiles files(drive.platform());
  EXPECT_NO_THROW(deselectProduct(files, 321));
  EXPECT_FALSE(isProductSelected(files, 321));
}

TEST(ProductFlags, SelectWithoutTheFlagFolderRaisesIoErrorAndCreatesNothing) {
  TestDriveOptions options;
  options.withSettingsFolders = false;
  TestDrive drive(options);
  drive.makeFolder(R"(C:\KivTanOr5)");
  store::SettingsFiles files(drive.platform());
  try {
    selectProduct(files, 211);
    FAIL() << "selecting without the flag folder succeeded";
  } catch (const platform::IoError& error) {
    EXPECT_EQ(error.path(), R"(C:\KivTanOr5\PrepSwich\DopButt211.dat)");
  }
  EXPECT_FALSE(drive.exists(kFlagFolder));
  EXPECT_FALSE(isProductSelected(files, 211));
  EXPECT_NO_THROW(deselectProduct(files, 211));
}

// A gap or an index outside 1..321 is refused before any file is touched.
TEST(ProductFlags, IndexThatNamesNoProductIsRefused) {
  TestDrive drive;
  for (ProductIndex index : {0, 100, 75, 299, 322, -57}) {
    drive.write(std::string(kFlagFolder) + "\\DopButt" + std::to_string(index) + ".dat", "x");
  }
  store::SettingsFiles files(drive.platform());
  for (ProductIndex index : {0, 100, 75, 299, 322, -57}) {
    SCOPED_TRACE(index);
    EXPECT_THROW(productFlagPath(index), std::invalid_argument);
    EXPECT_THROW(isProductSelected(files, index), std::invalid_argument);
    EXPECT_THROW(selectProduct(files, index), std::invalid_argument);
    EXPECT_THROW(deselectProduct(files, index), std::invalid_argument);
    EXPECT_EQ(drive.read(std::string(kFlagFolder) + "\\DopButt" + std::to_string(index) + ".dat"),
              "x");
  }
}

}  // namespace
}  // namespace tavi::catalogue
