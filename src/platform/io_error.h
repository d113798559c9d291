#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tavi::platform {

// What the file layer was doing when it failed.
enum class IoAction { kRead, kWrite, kReplace };

// Why it failed, as a value, so that each window can say it in its own language. `kOther`
// carries the system's own words.
enum class IoCause {
  kFileMissing,
  kFolderMissing,
  kIsFolder,
  kAccessDenied,
  kWriteProtected,
  kFileInUse,
  kDiskFull,
  kFileEmpty,
  kFileTooShort,
  kSameFile,
  kPathTooLong,
  kDeviceNotReady,
  kOther,
};

// A cause, and for a cause the programs do not word themselves, the system's message.
struct IoFailure {
  IoFailure(IoCause known) : cause(known) {}
  static IoFailure inSystemWords(std::string words) {
    IoFailure failure(IoCause::kOther);
    failure.systemWords = std::move(words);
    return failure;
  }

  IoCause cause;
  std::string systemWords;
};

// The one input/output error of the file layer. It names the file as the program knows it
// (a Windows path such as C:\Folder\Name.ext), the action and the cause. `what()` is the English
// composition for logs: "Cannot read C:\Folder\Name.ext: the file is empty".
class IoError : public std::runtime_error {
 public:
  IoError(IoAction action, std::string path, IoFailure failure);

  IoAction action() const noexcept { return action_; }
  const std::string& path() const noexcept { return path_; }
  IoCause cause() const noexcept { return cause_; }
  // The cause in English words, or the system's own message.
  const std::string& failure() const noexcept { return failure_; }

 private:
  IoAction action_;
  std::string path_;
  IoCause cause_;
  std::string failure_;
};

// The English words of the failures that both platforms word alike.
namespace failure {
inline constexpr char kFileMissing[] = "the file does not exist";
inline constexpr char kFolderMissing[] = "the folder does not exist";
inline constexpr char kIsFolder[] = "it is a folder, not a file";
inline constexpr char kAccessDenied[] = "access is denied";
inline constexpr char kWriteProtected[] = "the disk is write-protected";
inline constexpr char kFileInUse[] = "the file is in use by another program";
inline constexpr char kDiskFull[] = "the disk is full";
inline constexpr char kFileEmpty[] = "the file is empty";
inline constexpr char kFileTooShort[] = "the file is too short";
inline constexpr char kSameFile[] = "it is the file to be copied itself";
inline constexpr char kPathTooLong[] = "the path is too long";
inline constexpr char kDeviceNotReady[] = "the device is not ready";
}  // namespace failure

// "read", "write", "replace".
std::string_view englishWord(IoAction action);
// The English words of a cause; empty for kOther, which has the system's.
std::string_view englishWords(IoCause cause);

}  // namespace tavi::platform
