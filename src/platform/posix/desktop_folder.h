#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tavi::platform::posix {

// The desktop folder that the content of an XDG user-dirs.dirs file names
// (XDG_DESKTOP_DIR="$HOME/Desktop"), with $HOME expanded; none when the file names none.
std::optional<std::filesystem::path> desktopFromUserDirs(std::string_view content,
                                                         const std::filesystem::path& home);

// The user's XDG desktop folder: $XDG_DESKTOP_DIR, else the one user-dirs.dirs names, else
// ~/Desktop. It may not exist.
std::filesystem::path xdgDesktopFolder();

// $HOME, else the home folder of the user's account.
std::filesystem::path homeFolder();

}  // namespace tavi::platform::posix
