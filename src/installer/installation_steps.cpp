#include <iterator>
#include <string>

#include "installer/register_lists.h"
#include "installer/setup_window.h"

namespace tavi::installer {
namespace {

constexpr int fileCount(std::span<const FolderCopy> folders) {
  int count = 0;
  for (const FolderCopy& folder : folders)
    count += nameCount(folder.names);
  return count;
}

}  // namespace

int TForm1::registerFiles() const {
  return static_cast<int>(std::size(kEarlierVersions)) + nameCount(kIcons.names) +
         nameCount(kShortcuts.names) + static_cast<int>(std::size(kDesktopShortcuts)) +
         static_cast<int>(std::size(kDesktopManuals)) + nameCount(kGlobalSettings.names) +
         fileCount(kManuals) + 1 /* the generator's manual */ +
         static_cast<int>(std::size(kReplacedPrograms)) + fileCount(kPrograms) +
         fileCount(kDriverSet) + nameCount(kDetoxDocuments.names);
}

void TForm1::RegisterClick() {
  for (const FileAt& earlier : kEarlierVersions)
    remove(earlier);
  copyAll(kIcons);
  copyAll(kShortcuts);

  for (const DesktopShortcut& shortcut : kDesktopShortcuts) {
    if (shortcut.program.empty() || platform_.fileExists(shortcut.program)) {
      copy(onMedium(shortcut.source), onDesktop(shortcut.name));
    } else {
      skipFile();
    }
  }

  for (std::string_view manual : kDesktopManuals) {
    // A language index below zero has no manual; any unknown index above four reads English.
    if (Languagem < 0) {
      skipFile();
      continue;
    }
    std::string name(manual);
    if (Languagem == texts::kGerman && platform_.fileExists(name + " DE.pdf")) {
      name += " DE";
    } else if (Languagem != texts::kCzech) {
      name += " EN";
    }
    name += ".pdf";
    copy(onMedium(name), onDesktop(name));
  }

  copyAll(kGlobalSettings);
  for (const FolderCopy& folder : kManuals)
    copyAll(folder);
  copy(Languagem == texts::kCzech ? kCzechGeneratorManual : kEnglishGeneratorManual);
  for (const FileAt& replaced : kReplacedPrograms)
    remove(replaced);
  for (const FolderCopy& folder : kPrograms)
    copyAll(folder);

  for (std::string_view folder : kDriverFolders)
    createMissingFolder(folder);
  for (const FolderCopy& folder : kDriverSet)
    copyAll(folder);
  copyAll(kDetoxDocuments);
}

}  // namespace tavi::installer
