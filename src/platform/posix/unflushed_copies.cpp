#include "platform/posix/unflushed_copies.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tavi::platform {

void UnflushedCopies::add(int descriptor, const std::filesystem::path& folder) {
  struct stat status {};
  if (::fstat(descriptor, &status) == 0) folders_.try_emplace(status.st_dev, folder);
}

int UnflushedCopies::flush(std::filesystem::path& failed) {
  for (auto at = folders_.begin(); at != folders_.end();) {
    const int folder = ::open(at->second.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // One syncfs writes the data and the new names of every copy on that file system.
    const int error = folder < 0 ? errno : (::syncfs(folder) == 0 ? 0 : errno);
    if (folder >= 0) ::close(folder);
    if (error != 0) {
      failed = at->second;
      return error;
    }
    at = folders_.erase(at);
  }
  return 0;
}

}  // namespace tavi::platform
