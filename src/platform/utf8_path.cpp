#include "platform/utf8_path.h"

namespace tavi::platform {

#ifdef _WIN32

std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
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
