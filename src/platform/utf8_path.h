#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavi::platform {

// Native paths from and to the program's UTF-8 text, without the narrow-string conversions
// that std::filesystem would apply on Windows (the ANSI code page there).
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace tavi::platform
