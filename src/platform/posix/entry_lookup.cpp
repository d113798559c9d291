#include "platform/posix/entry_lookup.h"

#include <sys/stat.h>

#include <system_error>

#include "platform/case_fold.h"

namespace tavi::platform::posix {

std::optional<std::string> findEntry(const std::filesystem::path& folder, std::string_view name) {
  struct stat status {};
  if (lstat((folder / name).c_str(), &status) == 0) return std::string(name);

  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) return std::nullopt;
  std::optional<std::string> best;
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::string candidate = entries->path().filename().native();
    if (sameNameIgnoringCase(candidate, name) && (!best || candidate < *best)) best = candidate;
  }
  return best;
}

}  // namespace tavi::platform::posix
