#include "installer/setup_window.h"

#include "installer/setup_lists.h"
#include "platform/io_error.h"

namespace tavi::installer {
namespace {

std::string inFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty()) path += '\\';
  path += name;
  return path;
}

}  // namespace

std::string TForm1::resolve(const FileAt& file) {
  switch (file.place) {
    case Place::Desktop:
      Desktopadrstr = GetDesktopDir() + "\\" + std::string(file.path);
      return Desktopadrstr;
    case Place::Medium:
    case Place::Pc:
      break;
  }
  return std::string(file.path);
}

void TForm1::copy(const FileAt& from, const FileAt& to) {
  const std::string source = resolve(from);
  const std::string target = resolve(to);
  // A file missing on the medium is skipped; one that cannot be put in place stops the
  // installation with its name, rather than ending in "completed" with an old copy.
  const bool replacing = log_ != nullptr && platform_.fileExists(target);
  sweepFolderOf(target);
  const bool copied = platform_.replaceFile(source, target);
  if (log_ != nullptr) {
    if (copied) {
      log_->fileCopied(source, target, replacing);
    } else {
      log_->fileMissing(source, from.place == Place::Medium);
    }
  }
  fileDone(target);
}

void TForm1::copyAll(const FolderCopy& folder) {
  for (const std::string& name : expandNames(folder.names)) {
    copy(onMedium(inFolder(folder.from, name)), onPc(inFolder(folder.to, name)));
  }
}

void TForm1::remove(const FileAt& file) {
  const std::string path = resolve(file);
  if (platform_.deleteFile(path) && log_ != nullptr) log_->fileDeleted(path);
  fileDone(path);
}

void TForm1::createMissingFolder(std::string_view folder) {
  // A file of that name stays; what should go into the folder is then skipped.
  if (platform_.folderExists(folder)) return;
  const bool created = platform_.createFolder(folder);
  if (log_ == nullptr) return;
  if (created) {
    log_->folderCreated(folder);
  } else {
    log_->folderNotCreated(folder);
  }
}

bool TForm1::mediumHoldsLanguage() const {
  // A language file too short to be read would make every later start of the suite fail.
  if (!platform_.fileExists(kMediumLanguageFile)) return false;
  try {
    static_cast<void>(files_.ReadIntFile(kMediumLanguageFile));
    return true;
  } catch (const platform::IoError&) {
    return false;
  }
}

void TForm1::fileDone(std::string_view path) {
  Copying.setCaption(std::string(path));
  Progress.setPosition(Progress.position() + 1);
  app().desktop().processMessages();
}

void TForm1::sweepFolderOf(std::string_view path) {
  const std::size_t end = path.rfind('\\');
  if (end == std::string_view::npos) return;
  const std::string_view folder = path.substr(0, end);
  if (sweptFolders_.contains(folder)) return;
  platform_.removeTemporaryFiles(folder);
  sweptFolders_.emplace(folder);
}

void TForm1::skipFile() {
  Progress.setPosition(Progress.position() + 1);
  app().desktop().processMessages();
}

}  // namespace tavi::installer
