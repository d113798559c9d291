#include "store/settings_files.h"

#include <array>

#include "platform/io_error.h"
#include "store/text_lines.h"

namespace tavi::store {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The content of a byte or integer file, which must hold at least one whole record.
std::string readRecord(const platform::Platform& platform, std::string_view path,
                       std::size_t recordSize) {
  std::string bytes = platform.readFile(path);
  using platform::IoAction;
  using platform::IoCause;
  if (bytes.empty())
    throw platform::IoError(IoAction::kRead, std::string(path), IoCause::kFileEmpty);
  if (bytes.size() < recordSize) {
    throw platform::IoError(IoAction::kRead, std::string(path), IoCause::kFileTooShort);
  }
  return bytes;
}

}  // namespace

bool SettingsFiles::FlagExists(std::string_view path) const {
  return platform_->fileExists(path);
}

platform::FolderFiles SettingsFiles::FlagsIn(std::string_view folder) const {
  return platform_->filesIn(folder);
}

void SettingsFiles::SetFlag(std::string_view path) {
  platform_->writeFile(path, {});
}

void SettingsFiles::ClearFlag(std::string_view path) {
  // Deleting is how a setting returns to its default, so a file that is already gone is fine.
  static_cast<void>(platform_->deleteFile(path));
}

void SettingsFiles::WriteByteFile(std::string_view path, std::uint8_t value) {
  const char byte = static_cast<char>(value);
  platform_->writeFile(path, std::string_view(&byte, 1));
}

std::uint8_t SettingsFiles::ReadByteFile(std::string_view path) const {
  return static_cast<std::uint8_t>(readRecord(*platform_, path, 1).front());
}

void SettingsFiles::WriteIntFile(std::string_view path, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const std::array<char, 4> bytes = {
      static_cast<char>(bits & 0xFFu), static_cast<char>((bits >> 8) & 0xFFu),
      static_cast<char>((bits >> 16) & 0xFFu), static_cast<char>((bits >> 24) & 0xFFu)};
  platform_->writeFile(path, std::string_view(bytes.data(), bytes.size()));
}

std::int32_t SettingsFiles::ReadIntFile(std::string_view path) const {
  const std::string bytes = readRecord(*platform_, path, 4);
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) {
    bits = (bits << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  }
  return static_cast<std::int32_t>(bits);
}

void SettingsFiles::WriteLineFile(std::string_view path, std::string_view text) {
  std::string bytes = platform_->toAnsi(text);
  bytes += kLineEnd;
  platform_->writeFile(path, bytes);
}

std::string SettingsFiles::ReadLineFile(std::string_view path) const {
  const std::vector<std::string> lines = splitTextLines(platform_->readFile(path));
  return lines.empty() ? std::string() : platform_->fromAnsi(lines.front());
}

void SettingsFiles::WriteListFile(std::string_view path, std::span<const std::string> lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += platform_->toAnsi(line);
    bytes += kLineEnd;
  }
  platform_->writeFile(path, bytes);
}

std::vector<std::string> SettingsFiles::ReadListFile(std::string_view path) const {
  std::vector<std::string> lines = splitTextLines(platform_->readFile(path));
  for (std::string& line : lines)
    line = platform_->fromAnsi(line);
  return lines;
}

}  // namespace tavi::store
