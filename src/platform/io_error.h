#pragma once

#include <stdexcept>
#include <string>

namespace tavi::platform {

// The one input/output error of the file layer. It names the file as the program knows it
// (a Windows path such as C:\KivTanOr5\datLimit.dat) and the failure in plain words, so the
// general error box can show "Cannot read C:\KivTanOr5\datLimit.dat: the file is empty".
class IoError : public std::runtime_error {
 public:
  // action: "read", "write", "create", ...; failure: what went wrong, in plain words.
  IoError(std::string action, std::string path, std::string failure);

  const std::string& action() const noexcept { return action_; }
  const std::string& path() const noexcept { return path_; }
  const std::string& failure() const noexcept { return failure_; }

 private:
  std::string action_;
  std::string path_;
  std::string failure_;
};

}  // namespace tavi::platform
