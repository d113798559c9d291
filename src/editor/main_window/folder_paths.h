#pragma once

#include <string>
#include <string_view>

namespace tavi::editor {

// A folder path as the suite stores it: blanks at the end dropped, though never the first
// character, and a backslash at the end. An empty text stays empty.
std::string normalisedFolderPath(std::string_view path);

// True for a path of nothing but blanks and backslashes: it names no folder of its own, only
// the current folder or drive, so it is never stored.
bool namesNoFolder(std::string_view path);

}  // namespace tavi::editor
