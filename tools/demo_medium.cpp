#include "tools/demo_medium.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <set>
#include <span>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "installer/file_names.h"
#include "installer/installation_plan.h"
#include "tools/placeholder_files.h"

namespace tavi::tools {

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

// Every path that the installation plan reads from the medium, each once.
std::set<std::string> mediumPaths() {
  std::set<std::string> paths;
  struct Collector {
    std::set<std::string>& paths;

    void operator()(const installer::CreateFolders&) const {}
    void operator()(const installer::CopyFolders& step) const {
      for (const FolderCopy& copy : step.folders) {
        for (const std::string& name : installer::expandNames(copy.names))
          paths.insert(inFolder(copy.from, name));
      }
    }
    void operator()(const installer::CopyFiles& step) const {
      for (const auto& copy : step.files)
        add(copy.from);
    }
    void operator()(const installer::RemoveFiles&) const {}
    // The language file is the one optional file of the medium (DemoMediumOptions::language).
    void operator()(const installer::StoreLanguage&) const {}
    void operator()(const installer::PlaceDesktopShortcuts& step) const {
      for (const auto& shortcut : step.shortcuts)
        paths.insert(std::string(shortcut.source));
    }
    void operator()(const installer::PlaceDesktopManuals& step) const {
      for (std::string_view manual : step.manuals) {
        for (std::string_view language : {"", " DE", " EN"})
          paths.insert(std::string(manual) + std::string(language) + ".pdf");
      }
    }
    void operator()(const installer::PlaceGeneratorManual& step) const {
      add(step.czech.from);
      add(step.english.from);
    }
    void operator()(const installer::SetFlag&) const {}

    void add(const FileAt& file) const {
      if (file.place == Place::Medium) paths.insert(std::string(file.path));
    }
  };
  for (const installer::Step& step : installer::kInstallationPlan)
    std::visit(Collector{paths}, step.action);
  // Without "Tavi Universe" the installation never starts the USB driver's own set-up.
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

}  // namespace tavi::tools
