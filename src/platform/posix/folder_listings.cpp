#include "platform/posix/folder_listings.h"

#include <dirent.h>
#include <sys/inotify.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/case_fold.h"
#include "platform/posix/entry_lookup.h"

namespace tavi::platform {

namespace {

// What changes the names in a folder, or the folder itself.
constexpr std::uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                   IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
constexpr std::uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT;
// Enough for any program's own folders; beyond it everything is read afresh.
constexpr std::size_t kMostFolders = 4096;

// File systems whose changes made by other machines send no notice here.
bool changedElsewhere(long type) {
  constexpr std::array<unsigned long, 9> kRemote = {
      0x6969,      // NFS
      0x517B,      // SMB
      0xFF534D42,  // CIFS
      0xFE534D42,  // SMB2
      0x65735546,  // FUSE
      0x01021997,  // 9P
      0x00C36400,  // Ceph
      0x5346414F,  // AFS
      0x73757245,  // Coda
  };
  for (unsigned long remote : kRemote) {
    if (static_cast<unsigned long>(type) == remote) return true;
  }
  return false;
}

class FolderReader {
 public:
  explicit FolderReader(const std::string& folder) : folder_(::opendir(folder.c_str())) {}
  ~FolderReader() {
    if (folder_ != nullptr) ::closedir(folder_);
  }
  FolderReader(const FolderReader&) = delete;
  FolderReader& operator=(const FolderReader&) = delete;

  bool valid() const { return folder_ != nullptr; }
  bool onRemoteFileSystem() const {
    struct statfs system {};
    return ::fstatfs(::dirfd(folder_), &system) != 0 || changedElsewhere(system.f_type);
  }
  // Every name but "." and ".."; false when the folder could not be read to its end.
  bool readInto(std::unordered_map<std::string, std::set<std::string>>& names) {
    for (;;) {
      errno = 0;
      const dirent* entry = ::readdir(folder_);
      if (entry == nullptr) return errno == 0;
      const std::string_view name = entry->d_name;
      if (name == "." || name == "..") continue;
      names[foldedName(name)].emplace(name);
    }
  }

 private:
  DIR* folder_;
};

bool isBelow(const std::string& path, const std::string& folder) {
  if (path.size() <= folder.size() || path.compare(0, folder.size(), folder) != 0) return false;
  return folder.back() == '/' || path[folder.size()] == '/';
}

std::string joined(const std::string& folder, std::string_view name) {
  std::string path = folder;
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

}  // namespace

FolderListings::~FolderListings() {
  if (notices_ >= 0) ::close(notices_);
}

std::filesystem::path FolderListings::resolve(std::filesystem::path base,
                                              const std::vector<std::string>& names) {
  if (startWatching()) applyNotices();
  bool matching = true;
  for (const std::string& name : names) {
    if (matching) {
      if (const auto entry = findEntry(base, name)) {
        base /= *entry;
        continue;
      }
      matching = false;
    }
    base /= name;
  }
  return base;
}

std::optional<std::string> FolderListings::findEntry(const std::filesystem::path& folder,
                                                     std::string_view name) {
  if (!startWatching()) return posix::findEntry(folder, name);
  const Names* names = namesOf(folder.native());
  if (names == nullptr) return posix::findEntry(folder, name);
  const auto variants = names->find(foldedName(name));
  if (variants == names->end()) return std::nullopt;
  const std::set<std::string>& spellings = variants->second;
  if (spellings.contains(std::string(name))) return std::string(name);
  return *spellings.begin();
}

bool FolderListings::startWatching() {
  if (notices_ >= 0) return true;
  if (unavailable_) return false;
  notices_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  unavailable_ = notices_ < 0;
  return !unavailable_;
}

void FolderListings::applyNotices() {
  alignas(inotify_event) std::array<char, 16 * 1024> buffer{};
  for (;;) {
    const ssize_t length = ::read(notices_, buffer.data(), buffer.size());
    if (length < 0 && errno == EINTR) continue;
    if (length <= 0) return;
    for (ssize_t at = 0; at < length;) {
      inotify_event event{};
      std::memcpy(&event, buffer.data() + at, sizeof event);
      const char* name = buffer.data() + at + sizeof event;
      const std::string_view entry(name, event.len == 0 ? 0 : ::strnlen(name, event.len));
      if ((event.mask & IN_Q_OVERFLOW) != 0) {
        forgetAll();
      } else {
        applyNotice(event.wd, event.mask, entry);
      }
      at += static_cast<ssize_t>(sizeof event + event.len);
    }
  }
}

void FolderListings::applyNotice(int watch, unsigned mask, std::string_view name) {
  const auto watched = byWatch_.find(watch);
  if (watched == byWatch_.end()) return;
  const std::vector<std::string> folders = watched->second;  // forget() may change the list
  for (const std::string& folder : folders) {
    if ((mask & kFolderGone) != 0) {
      forget(folder);
      continue;
    }
    if (name.empty()) continue;
    // Whatever was kept below that name is of another entry now, or of none.
    forget(joined(folder, name));
    const auto kept = folders_.find(folder);
    if (kept == folders_.end() || !kept->second.names) continue;
    Names& names = *kept->second.names;
    const std::string key = foldedName(name);
    if ((mask & (IN_CREATE | IN_MOVED_TO)) != 0) {
      names[key].emplace(name);
    } else if ((mask & (IN_DELETE | IN_MOVED_FROM)) != 0) {
      const auto variants = names.find(key);
      if (variants == names.end()) continue;
      variants->second.erase(std::string(name));
      if (variants->second.empty()) names.erase(variants);
    }
  }
}

const FolderListings::Names* FolderListings::namesOf(const std::string& folder) {
  if (const auto kept = folders_.find(folder); kept != folders_.end() && kept->second.names) {
    return &*kept->second.names;
  }
  if (folders_.size() >= kMostFolders) forgetAll();
  if (!startWatching()) return nullptr;
  // Watched before it is read, so that no change between the two goes unseen.
  if (!watchFolderAndAbove(folder)) return nullptr;
  FolderReader reader(folder);
  Names names;
  if (!reader.valid() || reader.onRemoteFileSystem() || !reader.readInto(names)) {
    forget(folder);
    return nullptr;
  }
  Folder& kept = folders_[folder];
  kept.names.emplace(std::move(names));
  return &kept.names.value();
}

bool FolderListings::watchFolderAndAbove(const std::string& folder) {
  std::vector<std::string> chain;
  for (std::filesystem::path path = folder;; path = path.parent_path()) {
    if (folders_.contains(path.native())) break;
    chain.push_back(path.native());
    if (path == path.parent_path() || path.native().empty()) break;
  }
  // From the top down, so that every watched folder has its parents watched.
  for (auto at = chain.rbegin(); at != chain.rend(); ++at) {
    if (!watch(*at)) return false;
  }
  return true;
}

bool FolderListings::watch(const std::string& folder) {
  const int watch = ::inotify_add_watch(notices_, folder.c_str(), kChanges);
  if (watch < 0) return false;
  folders_[folder].watch = watch;
  byWatch_[watch].push_back(folder);
  return true;
}

void FolderListings::forget(const std::string& folder) {
  for (auto kept = folders_.begin(); kept != folders_.end();) {
    if (kept->first != folder && !isBelow(kept->first, folder)) {
      ++kept;
      continue;
    }
    const int watch = kept->second.watch;
    std::vector<std::string>& sharers = byWatch_[watch];
    std::erase(sharers, kept->first);
    if (sharers.empty()) {
      byWatch_.erase(watch);
      ::inotify_rm_watch(notices_, watch);
    }
    kept = folders_.erase(kept);
  }
}

void FolderListings::forgetAll() {
  // Closing the instance drops every watch at once, along with notices not read yet.
  if (notices_ >= 0) ::close(notices_);
  notices_ = -1;
  folders_.clear();
  byWatch_.clear();
}

}  // namespace tavi::platform
