// Real failures of the POSIX file system reach the error as the causes the windows word.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include "platform/io_error.h"
#include "platform/platform.h"
#include "support/test_drive.h"

namespace {

using tavi::platform::IoAction;
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

// A socket where a settings file is expected, as a device without its medium answers: ENXIO.
class SocketFile {
 public:
  explicit SocketFile(const std::string& path) : socket_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    bound_ = ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  }
  ~SocketFile() { ::close(socket_); }
  SocketFile(const SocketFile&) = delete;
  SocketFile& operator=(const SocketFile&) = delete;
  bool bound() const { return bound_; }

 private:
  int socket_;
  bool bound_ = false;
};

TEST(PosixFailureCauses, ANameLongerThanTheFileSystemAllowsIsAPathTooLong) {
  TestDrive drive;
  const std::string path = R"(C:\KivTanOr5\)" + std::string(300, 'a') + ".dat";
  const auto read = errorOf([&] { drive.platform().readFile(path); });
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->action(), IoAction::kRead);
  EXPECT_EQ(read->cause(), IoCause::kPathTooLong);
  const auto written = errorOf([&] { drive.platform().writeFile(path, "x"); });
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->cause(), IoCause::kPathTooLong);
  EXPECT_EQ(written->what(), "Cannot write " + path + ": the path is too long");
}

TEST(PosixFailureCauses, AFileNoDeviceAnswersIsADeviceNotReady) {
  TestDrive drive;
  const SocketFile socket(drive.native(R"(C:\KivTanOr5\datLimit.dat)").string());
  if (!socket.bound()) GTEST_SKIP() << "the temporary drive's path is too long for a socket";
  const auto error = errorOf([&] { drive.platform().readFile(R"(C:\KivTanOr5\datLimit.dat)"); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->cause(), IoCause::kDeviceNotReady);
  EXPECT_EQ(error->failure(), "the device is not ready");
}

}  // namespace
