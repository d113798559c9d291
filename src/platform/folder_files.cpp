#include "platform/folder_files.h"

#include <utility>

#include "platform/case_fold.h"

namespace tavi::platform {

void FolderFiles::add(std::string name, bool isFile) {
  entries_[foldedName(name)].insert_or_assign(std::move(name), isFile);
}

bool FolderFiles::contains(std::string_view name) const {
  const auto spellings = entries_.find(foldedName(name));
  if (spellings == entries_.end()) return false;
  const auto exact = spellings->second.find(name);
  return exact != spellings->second.end() ? exact->second : spellings->second.begin()->second;
}

}  // namespace tavi::platform
