// Real failures of the Windows file functions reach the error as the causes the windows word.
// Wine takes names of any length, so an overlong path cannot be shown failing here.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/io_error.h"
#include "platform/platform.h"
#include "support/test_drive.h"

namespace {

using tavi::platform::IoCause;
using tavi::platform::IoError;
using tavi::testing::TestDrive;

std::optional<IoError> errorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const IoError& error) {
    return error;
  }
  return std::nullopt;
}

// Another program holds the file open and shares it with nobody.
TEST(WindowsFailureCauses, AFileAnotherProgramHoldsIsInUse) {
  TestDrive drive;
  drive.write(R"(C:\KivTanOr5\datLimit.dat)", "U");
  const HANDLE held =
      CreateFileW(drive.native(R"(C:\KivTanOr5\datLimit.dat)").c_str(), GENERIC_READ, 0, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const auto error = errorOf([&] { drive.platform().readFile(R"(C:\KivTanOr5\datLimit.dat)"); });
  CloseHandle(held);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->cause(), IoCause::kFileInUse);
  EXPECT_EQ(error->failure(), "the file is in use by another program");
}

}  // namespace
