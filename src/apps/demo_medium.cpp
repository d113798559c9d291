#include "apps/demo_medium.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <set>
#include <span>
#include <stdexcept>
#include <string_view>

#include "apps/placeholder_files.h"
#include "installer/file_names.h"
#include "installer/register_lists.h"
#include "installer/setup_lists.h"

namespace tavi::apps {

namespace {

using installer::FileAt;
using installer::FolderCopy;
using installer::Place;

std::string inFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty()) path += '\\';
  path += name;
  return path;
}

// Every path that the installer's lists read from the medium, each once.
std::set<std::string> mediumPaths() {
  std::set<std::string> paths;
  const auto addFolder = [&paths](const FolderCopy& copy) {
    for (const std::string& name : installer::expandNames(copy.names))
      paths.insert(inFolder(copy.from, name));
  };
  const auto addFolders = [&](std::span<const FolderCopy> copies) {
    for (const FolderCopy& copy : copies)
      addFolder(copy);
  };
  addFolders(installer::kAlwaysCopied);
  addFolder(installer::kDefaultSettings);
  addFolder(installer::kPictures);
  addFolder(installer::kProgramLists);
  addFolder(installer::kIcons);
  addFolder(installer::kShortcuts);
  addFolder(installer::kGlobalSettings);
  addFolders(installer::kManuals);
  addFolders(installer::kPrograms);
  addFolders(installer::kDriverSet);
  addFolder(installer::kDetoxDocuments);
  for (const auto& shortcut : installer::kDesktopShortcuts)
    paths.insert(std::string(shortcut.source));
  for (const auto& copy : installer::kDriverStepCopies) {
    if (copy.from.place == Place::Medium) paths.insert(std::string(copy.from.path));
  }
  paths.erase(std::string(installer::kUniverseOnMedium));
  return paths;
}

std::string lower(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

std::string fileName(const std::string& mediumPath) {
  const auto slash = mediumPath.find_last_of('\\');
  return slash == std::string::npos ? mediumPath : mediumPath.substr(slash + 1);
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::filesystem::path nativeOf(const std::filesystem::path& root, const std::string& mediumPath) {
  std::filesystem::path path = root;
  std::string::size_type start = 0;
  while (start <= mediumPath.size()) {
    const auto end = mediumPath.find('\\', start);
    path /= mediumPath.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return path;
}

}  // namespace

std::string placeholderContent(const std::string& mediumPath) {
  const std::string name = lower(fileName(mediumPath));
  // The main window's own defaults, as the editor reads them: the output folder, the
  // sensitivity of its design (67) and the two flags that are always set.
  if (name == "0cestaex.txt") return "C:\\TaviTherapy\\\r\n";
  if (name == "datc.dat") return std::string(1, static_cast<char>(67));
  if (name == "datfed.dat" || name == "datvelb.dat") return {};
  if (name == "globalsetprep.dll") {
    std::string lines;
    for (int line = 0; line < 52; ++line)
      lines += "0\r\n";
    return lines;
  }
  if (endsWith(name, ".ico"))
    return iconFile(static_cast<std::uint32_t>(std::hash<std::string>{}(name)&0x7F7F7F) | 0x404040);
  if (endsWith(name, ".pdf")) return pdfDocument("Placeholder: " + fileName(mediumPath));
  if (endsWith(name, ".dat")) return std::string(1, '\0');
  return "Placeholder of the demo medium: " + fileName(mediumPath) + "\r\n";
}

std::vector<std::string> writeDemoMedium(const std::filesystem::path& root,
                                         const DemoMediumOptions& options) {
  std::vector<std::string> written;
  for (const std::string& path : mediumPaths()) {
    writeFile(nativeOf(root, path), placeholderContent(path));
    written.push_back(path);
  }
  if (options.language) {
    std::string bytes;
    const auto value = static_cast<std::uint32_t>(*options.language);
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    const std::string path(installer::kMediumLanguageFile);
    writeFile(nativeOf(root, path), bytes);
    written.push_back(path);
  }
  return written;
}

}  // namespace tavi::apps
