#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace tavi::platform {

// A text file that lines are added to, each handed to the system as soon as it is written.
// Plain C files rather than C++ streams: those bring their locales into the Windows programs,
// a good part of the installer's size.
class LogFile {
 public:
  // Creates the file, or empties an existing one; isOpen() tells whether that worked.
  explicit LogFile(const std::filesystem::path& path);

  bool isOpen() const { return file_ != nullptr; }
  LogFile& operator<<(std::string_view text);
  void flush();

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace tavi::platform
