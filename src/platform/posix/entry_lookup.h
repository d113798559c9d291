#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavi::platform::posix {

// The name of the entry in a folder that Windows would open for the given name: the exact
// name when it exists, else one that differs only in letter case (the first in byte order, so
// the choice does not depend on the order of the folder). None when nothing matches.
std::optional<std::string> findEntry(const std::filesystem::path& folder, std::string_view name);

}  // namespace tavi::platform::posix
