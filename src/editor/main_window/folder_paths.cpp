#include "editor/main_window/folder_paths.h"

#include <algorithm>

namespace tavi::editor {

std::string normalisedFolderPath(std::string_view path) {
  if (path.empty()) return {};
  std::string normalised(path);
  // Blanks are single bytes, so trimming bytes never cuts a character in two.
  while (normalised.size() > 1 && normalised.back() == ' ')
    normalised.pop_back();
  if (normalised.back() != '\\') normalised += '\\';
  return normalised;
}

bool namesNoFolder(std::string_view path) {
  return std::all_of(path.begin(), path.end(), [](char c) { return c == ' ' || c == '\\'; });
}

}  // namespace tavi::editor
