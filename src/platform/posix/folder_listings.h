#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavi::platform {

// The names in each folder that path lookups pass through, read once and then kept current by
// the kernel's change notices (inotify), so that a load or save that touches hundreds of files
// reads each folder once instead of once per file. The folders above a kept folder are watched
// too, so that moving or replacing any of them drops what lies below. Without notices (none
// left for this user, or a network file system, whose changes elsewhere are never told) each
// lookup asks the file system itself.
class FolderListings {
 public:
  FolderListings() = default;
  ~FolderListings();
  FolderListings(const FolderListings&) = delete;
  FolderListings& operator=(const FolderListings&) = delete;

  // The native path below `base` for the names, each matched to an existing entry as
  // posix::findEntry matches it; below a name without a match every name stays as written.
  std::filesystem::path resolve(std::filesystem::path base, const std::vector<std::string>& names);

 private:
  // One folder's entries by their folded names, each set in byte order.
  using Names = std::unordered_map<std::string, std::set<std::string>>;
  struct Folder {
    int watch = -1;
    std::optional<Names> names;  // none: watched only because a kept folder lies below it
  };

  std::optional<std::string> findEntry(const std::filesystem::path& folder, std::string_view name);
  bool startWatching();
  void applyNotices();
  void applyNotice(int watch, unsigned mask, std::string_view name);
  const Names* namesOf(const std::string& folder);
  bool watchFolderAndAbove(const std::string& folder);
  bool watch(const std::string& folder);
  // Forgets the folder and everything kept below it.
  void forget(const std::string& folder);
  void forgetAll();

  int notices_ = -1;
  bool unavailable_ = false;
  std::unordered_map<std::string, Folder> folders_;  // by native path
  std::unordered_map<int, std::vector<std::string>> byWatch_;
};

}  // namespace tavi::platform
