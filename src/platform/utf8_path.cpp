#include "platform/utf8_path.h"

#ifdef _WIN32
#include "platform/windows/wide_text.h"
#endif

namespace tavi::platform {

#ifdef _WIN32

// Converted here rather than by std::filesystem's char8_t paths, whose conversion facets bring
// the C++ library's locales into the programs.
std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::filesystem::path(windows::widen(text));
}

std::string utf8FromPath(const std::filesystem::path& path) {
  return windows::narrow(path.native());
}

#else

// POSIX names are bytes; they pass unchanged, even where they are not UTF-8.
std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::string(text));
}

std::string utf8FromPath(const std::filesystem::path& path) {
  return path.native();
}

#endif

}  // namespace tavi::platform
