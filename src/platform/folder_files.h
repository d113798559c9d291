#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tavi::platform {

// The entries of one folder read in a single listing, so that hundreds of existence tests in a
// row (the product flags in C:\KivTanOr5\PrepSwich) read the folder once. A name is found as
// Platform::fileExists finds it: the entry spelt exactly so, else the first in byte order that
// differs only in letter case, and only when that entry is a file.
class FolderFiles {
 public:
  void add(std::string name, bool isFile);
  bool contains(std::string_view name) const;

 private:
  // Whether each entry is a file, by spelling, grouped under the folded name.
  std::unordered_map<std::string, std::map<std::string, bool, std::less<>>> entries_;
};

}  // namespace tavi::platform
