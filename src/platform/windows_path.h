#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavi::platform {

// A Windows path taken apart the way Windows reads it: "\" and "/" both separate names, empty
// names and "." vanish, ".." removes the name before it and never climbs above a drive's root,
// trailing periods and blanks go as Windows drops them.
struct WindowsPath {
  enum class Base {
    Drive,             // "C:\Folder\Name.ext" (and "C:Name.ext", taken as from the root)
    CurrentFolder,     // "DWin\Name.exe"
    CurrentDriveRoot,  // "\KivTanOr5"
    Network,           // "\\server\share\...": names start with server and share
  };
  Base base = Base::CurrentFolder;
  char drive = 0;    // upper-case letter, for Base::Drive
  int levelsUp = 0;  // leading ".." of a path relative to the current folder
  std::vector<std::string> names;
  bool valid = true;  // false when a name is one that no disk can hold
};

WindowsPath parseWindowsPath(std::string_view path);

// A web address or other URL ("https://...", "mailto:...") rather than a file: a scheme of at
// least two characters before the colon, which no drive letter has.
bool isWebAddress(std::string_view target);

// The extension of the last name in ASCII lower case, with its dot (".exe"); empty if none.
std::string lowerExtension(std::string_view path);

}  // namespace tavi::platform
