#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace tavi::store {

// The only ways the programs touch a settings file. Each call opens the file, does its work
// and closes it again. Paths are full Windows paths ("C:\KivTanOr5\datLimit.dat"). Every
// failure throws platform::IoError naming the path and what went wrong; only ClearFlag never
// fails.
//
// Kinds of file: a flag file counts by its existence alone; a byte file holds one byte, an
// integer file four (signed, least significant first); line and list files hold text in the
// ANSI code page, every line followed by CR LF.
class SettingsFiles {
 public:
  explicit SettingsFiles(platform::Platform& platform) : platform_(&platform) {}

  // True when a file, not a folder, of that name exists, whatever it holds.
  bool FlagExists(std::string_view path) const;
  // The flags in one folder, read at once, for many FlagExists tests in a row.
  platform::FolderFiles FlagsIn(std::string_view folder) const;
  // Leaves a file of zero length, creating or truncating it.
  void SetFlag(std::string_view path);
  // Deletes the file; a missing file or a failed delete is ignored.
  void ClearFlag(std::string_view path);

  void WriteByteFile(std::string_view path, std::uint8_t value);
  // The first byte; an empty file is an error, not a default.
  std::uint8_t ReadByteFile(std::string_view path) const;

  void WriteIntFile(std::string_view path, std::int32_t value);
  // The first four bytes; a shorter file is an error, not a default.
  std::int32_t ReadIntFile(std::string_view path) const;

  void WriteLineFile(std::string_view path, std::string_view text);
  // The first line; an empty file gives an empty text.
  std::string ReadLineFile(std::string_view path) const;

  void WriteListFile(std::string_view path, std::span<const std::string> lines);
  std::vector<std::string> ReadListFile(std::string_view path) const;

  platform::Platform& platform() const { return *platform_; }

 private:
  platform::Platform* platform_;
};

}  // namespace tavi::store
