#pragma once

#include <gtest/gtest.h>

#include "expected_installation.h"
#include "support/test_drive.h"

namespace tavi::installer::testing {

// Every file on the test drive C:, by Windows path, with its content.
FileTree installedTree(const tavi::testing::TestDrive& drive);

// Success when the trees hold the same paths with the same contents; else names each path
// that is missing, unexpected or different.
::testing::AssertionResult sameTree(const FileTree& expected, const FileTree& actual);

}  // namespace tavi::installer::testing
