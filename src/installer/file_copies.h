#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "installer/file_names.h"

namespace tavi::installer {

// Where a path of the installation's lists lies.
enum class Place : std::uint8_t {
  Medium,   // relative to the root of the installation medium, the installer's current folder
  Pc,       // a full path on drive C:
  Desktop,  // a file name on the user's desktop
};

struct FileAt {
  Place place;
  std::string_view path;
};

struct FileCopy {
  FileAt from;
  FileAt to;
};

// Files of one folder of the medium ("" for its top level), copied under their own names into
// one folder of the PC.
struct FolderCopy {
  std::string_view from;
  std::string_view to;
  std::span<const FileName> names;
};

constexpr FileAt onMedium(std::string_view path) {
  return {Place::Medium, path};
}
constexpr FileAt onPc(std::string_view path) {
  return {Place::Pc, path};
}
constexpr FileAt onDesktop(std::string_view name) {
  return {Place::Desktop, name};
}

}  // namespace tavi::installer
