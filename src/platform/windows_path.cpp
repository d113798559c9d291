#include "platform/windows_path.h"

#include <cstddef>

namespace tavi::platform {

namespace {

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

bool isAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char asciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char asciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithPrefix(std::string_view path, std::string_view prefix) {
  if (path.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const bool bothSeparators = isSeparator(path[i]) && isSeparator(prefix[i]);
    if (!bothSeparators && asciiUpper(path[i]) != asciiUpper(prefix[i])) return false;
  }
  return true;
}

// Windows drops one period from the end of a name inside the path, and every period and blank
// from the end of the last name: "C:\TaviTherapy.\" is the folder C:\TaviTherapy.
std::string_view trimmed(std::string_view name, bool last) {
  if (last) {
    const std::size_t kept = name.find_last_not_of(". ");
    return kept == std::string_view::npos ? std::string_view{} : name.substr(0, kept + 1);
  }
  if (name.ends_with('.')) name.remove_suffix(1);
  return name;
}

void appendNames(WindowsPath& result, std::string_view rest, bool literalNames) {
  // A network path's server and share stay whatever ".." follows them.
  const std::size_t fixedNames = result.base == WindowsPath::Base::Network ? 2 : 0;
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = start;
    while (end < rest.size() && !isSeparator(rest[end]))
      ++end;
    std::string_view name = rest.substr(start, end - start);
    if (!literalNames && name != "." && name != "..") {
      name = trimmed(name, end == rest.size());
      // "..." loses a period and becomes a name no disk can hold.
      if (name == "..") {
        result.valid = false;
        name = {};
      }
    }
    if (name.empty() || name == ".") {
      // nothing to add
    } else if (name == "..") {
      if (result.names.size() > fixedNames) {
        result.names.pop_back();
      } else if (result.base == WindowsPath::Base::CurrentFolder) {
        ++result.levelsUp;
      }
    } else {
      result.names.emplace_back(name);
    }
    start = end + 1;
  }
}

}  // namespace

WindowsPath parseWindowsPath(std::string_view path) {
  WindowsPath result;
  // Long-path and device prefixes name the same files as the path after them.
  // "\\?\" also keeps every name as written.
  if (startsWithPrefix(path, R"(\\?\UNC\)")) {
    result.base = WindowsPath::Base::Network;
    appendNames(result, path.substr(8), true);
    return result;
  }
  const bool literalNames = startsWithPrefix(path, R"(\\?\)");
  if (literalNames || startsWithPrefix(path, R"(\\.\)")) path.remove_prefix(4);

  if (path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == ':') {
    result.base = WindowsPath::Base::Drive;
    result.drive = asciiUpper(path[0]);
    appendNames(result, path.substr(2), literalNames);
  } else if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
    result.base = WindowsPath::Base::Network;
    appendNames(result, path.substr(2), literalNames);
  } else if (!path.empty() && isSeparator(path[0])) {
    result.base = WindowsPath::Base::CurrentDriveRoot;
    appendNames(result, path, literalNames);
  } else {
    result.base = WindowsPath::Base::CurrentFolder;
    appendNames(result, path, literalNames);
  }
  return result;
}

bool isWebAddress(std::string_view target) {
  const std::size_t colon = target.find(':');
  if (colon == std::string_view::npos || colon < 2 || !isAsciiLetter(target[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = target[i];
    const bool schemeChar =
        isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    if (!schemeChar) return false;
  }
  return true;
}

std::string lowerExtension(std::string_view path) {
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (isSeparator(path[i])) nameStart = i + 1;
  }
  const std::string_view name = path.substr(nameStart);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string extension;
  for (const char c : name.substr(dot))
    extension.push_back(asciiLower(c));
  return extension;
}

}  // namespace tavi::platform
