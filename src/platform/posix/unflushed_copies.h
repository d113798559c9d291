#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>

namespace tavi::platform {

// The file systems that hold copies not yet flushed to the disk. A copy is put in place whole
// but reaches the disk with the system's own write-back, so that an installation of hundreds
// of files waits for the disk once, at its end, and not once per file.
class UnflushedCopies {
 public:
  // Notes the file system of a copy just made in `folder` (`descriptor` is the copy, open).
  void add(int descriptor, const std::filesystem::path& folder);
  // Flushes each noted file system. Returns 0, or the error and in `failed` the folder whose
  // file system could not be flushed; that one stays noted.
  int flush(std::filesystem::path& failed);

 private:
  std::map<dev_t, std::filesystem::path> folders_;
};

}  // namespace tavi::platform
