#pragma once

#include <cstddef>
#include <string_view>

#include "texts/language.h"

namespace tavi::installer {

// Where the lines of a log go: nowhere, or anything text can be added to with << and then
// flushed (the log file, a string stream).
class LogOutput {
 public:
  LogOutput(std::nullptr_t = nullptr) {}
  template <typename Out>
  LogOutput(Out* out) : out_(out), write_(out == nullptr ? nullptr : &writeTo<Out>) {}

  void write(std::string_view text) const {
    if (write_ != nullptr) write_(out_, text);
  }

 private:
  template <typename Out>
  static void writeTo(void* out, std::string_view text) {
    Out& to = *static_cast<Out*>(out);
    to << text;
    to.flush();
  }

  void* out_ = nullptr;
  void (*write_)(void*, std::string_view) = nullptr;
};

// The log of a silent installation: one line for each folder created, each file copied,
// replaced, written or deleted and each file missing, the messages a window would have
// shown, then the result. Each line is on the disk as soon as it is written, so that the log
// of an installation that stopped ends where it stopped.
class InstallationLog {
 public:
  explicit InstallationLog(LogOutput out) : out_(out) {}

  void started(std::string_view version);
  // The run goes on with the decisions of an interrupted run, kept in the record.
  void resuming(std::string_view record);
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
  void interruptedInstallationCompleted();
  void finished(bool installed, bool fullInstallation);

 private:
  void line(std::string_view head, std::string_view text, std::string_view tail = {});

  LogOutput out_;
};

}  // namespace tavi::installer
