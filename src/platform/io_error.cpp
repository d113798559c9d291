#include "platform/io_error.h"

#include <utility>

namespace tavi::platform {

namespace {

std::string composeMessage(IoAction action, const std::string& path, const std::string& failure) {
  return "Cannot " + std::string(englishWord(action)) + " " + path + ": " + failure;
}

std::string wordsOf(const IoFailure& failure) {
  if (failure.cause == IoCause::kOther) return failure.systemWords;
  return std::string(englishWords(failure.cause));
}

}  // namespace

std::string_view englishWord(IoAction action) {
  switch (action) {
    case IoAction::kRead:
      return "read";
    case IoAction::kWrite:
      return "write";
    case IoAction::kReplace:
      return "replace";
  }
  return {};
}

std::string_view englishWords(IoCause cause) {
  switch (cause) {
    case IoCause::kFileMissing:
      return failure::kFileMissing;
    case IoCause::kFolderMissing:
      return failure::kFolderMissing;
    case IoCause::kIsFolder:
      return failure::kIsFolder;
    case IoCause::kAccessDenied:
      return failure::kAccessDenied;
    case IoCause::kWriteProtected:
      return failure::kWriteProtected;
    case IoCause::kFileInUse:
      return failure::kFileInUse;
    case IoCause::kDiskFull:
      return failure::kDiskFull;
    case IoCause::kFileEmpty:
      return failure::kFileEmpty;
    case IoCause::kFileTooShort:
      return failure::kFileTooShort;
    case IoCause::kSameFile:
      return failure::kSameFile;
    case IoCause::kPathTooLong:
      return failure::kPathTooLong;
    case IoCause::kDeviceNotReady:
      return failure::kDeviceNotReady;
    case IoCause::kOther:
      break;
  }
  return {};
}

IoError::IoError(IoAction action, std::string path, IoFailure failure)
    : std::runtime_error(composeMessage(action, path, wordsOf(failure))),
      action_(action),
      path_(std::move(path)),
      cause_(failure.cause),
      failure_(wordsOf(failure)) {}

}  // namespace tavi::platform
