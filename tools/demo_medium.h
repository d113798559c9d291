#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavi::tools {

// A small installation medium for trying the programs out: every file that the installer's
// lists read from a medium, with placeholder contents (valid icons, one-page documents, the
// default settings the editor understands). The suite's own programs are not on it: only
// names. "DWin\Tavi Universe.exe" is left out, so that installing it starts no driver set-up.
struct DemoMediumOptions {
  // Written as the medium's "dLangv.dat" so that the installer needs no question; none: the
  // installer asks for the language.
  std::optional<int> language;
};

// Writes the medium into `root` (created if missing); returns the medium's paths written.
std::vector<std::string> writeDemoMedium(const std::filesystem::path& root,
                                         const DemoMediumOptions& options = {});

// The placeholder bytes of a medium file, chosen by its name.
std::string placeholderContent(const std::string& mediumPath);

}  // namespace tavi::tools
