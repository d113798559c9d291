#pragma once

#include <ostream>
#include <string_view>

#include "texts/language.h"

namespace tavi::installer {

// The log of a silent installation: one line for each folder created, each file copied,
// replaced, written or deleted and each file missing, the messages a window would have
// shown, then the result. Each line is on the disk as soon as it is written, so that the log
// of an installation that stopped ends where it stopped.
class InstallationLog {
 public:
  // Without a stream the lines go nowhere.
  explicit InstallationLog(std::ostream* out) : out_(out) {}

  void started(std::string_view version);
  void installing(bool fullInstallation, texts::LanguageIndex language);
  void folderCreated(std::string_view folder);
  void folderNotCreated(std::string_view folder);
  void fileCopied(std::string_view from, std::string_view to, bool replaced);
  void fileWritten(std::string_view path);
  void fileDeleted(std::string_view path);
  void fileMissing(std::string_view path, bool onMedium);
  void message(std::string_view text);
  void error(std::string_view text);
  void notOpened(std::string_view target);
  void finished(bool installed, bool fullInstallation);

 private:
  void line(std::string_view head, std::string_view text, std::string_view tail = {});

  std::ostream* out_;
};

}  // namespace tavi::installer
