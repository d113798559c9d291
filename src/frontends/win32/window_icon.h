#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <type_traits>

namespace tavi::frontends::win32 {

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// The large and small icon of a window, from an ".ico" file; both empty when the file is
// missing or no icon, so that the window keeps the program's own.
struct WindowIcons {
  UniqueIcon large;
  UniqueIcon small;

  static WindowIcons load(const std::filesystem::path& file, int dpi);
  // Gives them to the window (empty ones restore the program's icon).
  void apply(HWND window) const;
};

}  // namespace tavi::frontends::win32
