#include "installer/installation_log.h"

#include <string>

namespace tavi::installer {

void InstallationLog::line(std::string_view head, std::string_view text, std::string_view tail) {
  std::string whole;
  whole.reserve(head.size() + text.size() + tail.size() + 1);
  whole.append(head).append(text).append(tail) += '\n';
  out_.write(whole);
}

void InstallationLog::started(std::string_view version) {
  line("Tavi setup ", version, ": silent installation");
}

void InstallationLog::resuming(std::string_view record) {
  line("Going on with an interrupted installation, as recorded in ", record);
}

void InstallationLog::installing(bool fullInstallation, texts::LanguageIndex language) {
  line(fullInstallation ? "Full installation" : "Upgrade", ", language ", std::to_string(language));
}

void InstallationLog::folderCreated(std::string_view folder) {
  line("Folder created: ", folder);
}

void InstallationLog::folderNotCreated(std::string_view folder) {
  line("Folder not created: ", folder);
}

void InstallationLog::fileCopied(std::string_view from, std::string_view to, bool replaced) {
  line(replaced ? "File replaced: " : "File copied: ", to, " (from " + std::string(from) + ")");
}

void InstallationLog::fileWritten(std::string_view path) {
  line("File written: ", path);
}

void InstallationLog::fileDeleted(std::string_view path) {
  line("File deleted: ", path);
}

void InstallationLog::fileMissing(std::string_view path, bool onMedium) {
  line(onMedium ? "Missing on the medium: " : "Missing: ", path);
}

void InstallationLog::message(std::string_view text) {
  line("Message: ", text);
}

void InstallationLog::error(std::string_view text) {
  line("Error: ", text);
}

void InstallationLog::notOpened(std::string_view target) {
  line("Not opened by a silent installation, open it by hand: ", target);
}

void InstallationLog::interruptedInstallationCompleted() {
  line("The interrupted installation is completed", "");
}

void InstallationLog::finished(bool installed, bool fullInstallation) {
  if (!installed) {
    line("Result: ", "failed");
  } else {
    line("Result: ", fullInstallation ? "installation completed" : "upgrade completed");
  }
}

}  // namespace tavi::installer
