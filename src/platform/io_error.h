#pragma once

#include <stdexcept>
#include <string>

namespace tavi::platform {

// The one input/output error of the file layer. It names the file as the program knows it
// (a Windows path such as C:\Folder\Name.ext) and the failure in plain words, so the
// general error box can show "Cannot read C:\Folder\Name.ext: the file is empty".
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

// The failures that both platforms word alike; anything rarer carries the system's own message.
namespace failure {
inline constexpr char kFileMissing[] = "the file does not exist";
inline constexpr char kFolderMissing[] = "the folder does not exist";
inline constexpr char kIsFolder[] = "it is a folder, not a file";
inline constexpr char kAccessDenied[] = "access is denied";
inline constexpr char kFileInUse[] = "the file is in use by another program";
inline constexpr char kDiskFull[] = "the disk is full";
inline constexpr char kFileEmpty[] = "the file is empty";
inline constexpr char kFileTooShort[] = "the file is shorter than expected";
inline constexpr char kSameFile[] = "it is the file to be copied itself";
}  // namespace failure

}  // namespace tavi::platform
