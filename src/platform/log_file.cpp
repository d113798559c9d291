#include "platform/log_file.h"

namespace tavi::platform {

// Text mode: lines end as the system's text files do, as they did with the C++ streams.
#ifdef _WIN32
LogFile::LogFile(const std::filesystem::path& path) : file_(_wfopen(path.c_str(), L"w")) {}
#else
LogFile::LogFile(const std::filesystem::path& path) : file_(std::fopen(path.c_str(), "w")) {}
#endif

LogFile& LogFile::operator<<(std::string_view text) {
  if (file_) std::fwrite(text.data(), 1, text.size(), file_.get());
  return *this;
}

void LogFile::flush() {
  if (file_) std::fflush(file_.get());
}

}  // namespace tavi::platform
