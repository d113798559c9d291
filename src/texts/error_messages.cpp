#include "texts/error_messages.h"

#include "texts/message_values.h"
#include "texts/program_messages_table.h"

namespace tavi::texts {
namespace {

using platform::IoAction;
using platform::IoCause;

MessageNumber actionText(IoAction action) {
  switch (action) {
    case IoAction::kRead:
      return kCannotRead;
    case IoAction::kWrite:
      return kCannotWrite;
    case IoAction::kReplace:
      return kCannotReplace;
  }
  return kCannotRead;
}

// Zero for a cause that only the system words.
MessageNumber causeText(IoCause cause) {
  switch (cause) {
    case IoCause::kFileMissing:
      return kFileMissing;
    case IoCause::kFolderMissing:
      return kFolderMissing;
    case IoCause::kIsFolder:
      return kIsFolder;
    case IoCause::kAccessDenied:
      return kAccessDenied;
    case IoCause::kWriteProtected:
      return kWriteProtected;
    case IoCause::kFileInUse:
      return kFileInUse;
    case IoCause::kDiskFull:
      return kDiskFull;
    case IoCause::kFileEmpty:
      return kFileEmpty;
    case IoCause::kFileTooShort:
      return kFileTooShort;
    case IoCause::kSameFile:
      return kSameFile;
    case IoCause::kPathTooLong:
      return kPathTooLong;
    case IoCause::kDeviceNotReady:
      return kDeviceNotReady;
    case IoCause::kOther:
      break;
  }
  return 0;
}

}  // namespace

std::string ioErrorMessage(const platform::IoError& error, LanguageIndex language) {
  const MessageNumber cause = causeText(error.cause());
  const std::string_view words =
      cause != 0 ? programMessage(cause, language) : std::string_view(error.failure());
  return withValues(programMessage(actionText(error.action()), language), {error.path(), words});
}

std::string errorMessage(const std::exception& error, LanguageIndex language) {
  if (const auto* ioError = dynamic_cast<const platform::IoError*>(&error)) {
    return ioErrorMessage(*ioError, language);
  }
  return withValues(programMessage(kUnexpectedError, language), {error.what()});
}

std::string codePageLacks(unsigned codePage, std::string_view characters, LanguageIndex language) {
  return withValues(programMessage(kCodePageLacks, language),
                    {std::to_string(codePage), characters});
}

}  // namespace tavi::texts
