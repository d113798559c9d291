#include "platform/io_error.h"

#include <utility>

namespace tavi::platform {

namespace {

std::string composeMessage(const std::string& action, const std::string& path,
                           const std::string& failure) {
  return "Cannot " + action + " " + path + ": " + failure;
}

}  // namespace

IoError::IoError(std::string action, std::string path, std::string failure)
    : std::runtime_error(composeMessage(action, path, failure)),
      action_(std::move(action)),
      path_(std::move(path)),
      failure_(std::move(failure)) {}

}  // namespace tavi::platform
