#include "platform/posix/desktop_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tavi::platform::posix {

namespace {

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The shell-quoted value "..." with its backslash escapes undone.
std::optional<std::string> unquoted(std::string_view value) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::nullopt;
  value = value.substr(1, value.size() - 2);
  std::string result;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) ++i;
    result.push_back(value[i]);
  }
  return result;
}

std::optional<std::filesystem::path> expandHome(const std::string& value,
                                                const std::filesystem::path& home) {
  constexpr std::string_view kHome = "$HOME";
  if (value.compare(0, kHome.size(), kHome) == 0) {
    const std::string rest = value.substr(kHome.size());
    if (rest.empty()) return home;
    if (rest.front() == '/') return home / rest.substr(1);
    return std::nullopt;
  }
  if (!value.empty() && value.front() == '/') return std::filesystem::path(value);
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> desktopFromUserDirs(std::string_view content,
                                                         const std::filesystem::path& home) {
  constexpr std::string_view kKey = "XDG_DESKTOP_DIR";
  std::optional<std::filesystem::path> found;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    const std::string_view line = trimmed(content.substr(0, end));
    content = end == std::string_view::npos ? std::string_view{} : content.substr(end + 1);
    if (line.substr(0, kKey.size()) != kKey) continue;
    const std::string_view rest = trimmed(line.substr(kKey.size()));
    if (rest.empty() || rest.front() != '=') continue;
    if (const auto value = unquoted(trimmed(rest.substr(1)))) {
      if (auto path = expandHome(*value, home)) found = std::move(path);  // the last one counts
    }
  }
  return found;
}

std::filesystem::path homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* result = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 &&
      result != nullptr && result->pw_dir != nullptr) {
    return result->pw_dir;
  }
  return "/";
}

std::filesystem::path xdgDesktopFolder() {
  const std::filesystem::path home = homeFolder();
  if (const char* fromEnvironment = std::getenv("XDG_DESKTOP_DIR");
      fromEnvironment != nullptr && *fromEnvironment != '\0') {
    if (auto path = expandHome(fromEnvironment, home)) return *path;
  }
  std::filesystem::path config = home / ".config";
  if (const char* configHome = std::getenv("XDG_CONFIG_HOME");
      configHome != nullptr && *configHome == '/') {
    config = configHome;
  }
  std::ifstream file(config / "user-dirs.dirs", std::ios::binary);
  if (file) {
    const std::string content{std::istreambuf_iterator<char>(file),
                              std::istreambuf_iterator<char>()};
    if (auto path = desktopFromUserDirs(content, home)) return *path;
  }
  return home / "Desktop";
}

}  // namespace tavi::platform::posix
