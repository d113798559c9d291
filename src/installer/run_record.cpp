#include "installer/run_record.h"

#include <cstddef>
#include <cstdint>

namespace tavi::installer {
namespace {

constexpr std::string_view kMark = "SR";
constexpr std::size_t kRecordSize = kMark.size() + 2 + 4;

std::optional<bool> flagOf(char byte) {
  if (byte == '\0') return false;
  if (byte == '\1') return true;
  return std::nullopt;
}

}  // namespace

std::string encodeRunRecord(const RunDecisions& decisions) {
  std::string bytes(kMark);
  bytes += decisions.fullInstallation ? '\1' : '\0';
  bytes += decisions.driverStep ? '\1' : '\0';
  const auto bits = static_cast<std::uint32_t>(decisions.language);
  for (int shift = 0; shift < 32; shift += 8)
    bytes += static_cast<char>((bits >> shift) & 0xFFU);
  return bytes;
}

std::optional<RunDecisions> decodeRunRecord(std::string_view bytes) {
  if (bytes.size() != kRecordSize || !bytes.starts_with(kMark)) return std::nullopt;
  const std::optional<bool> full = flagOf(bytes[2]);
  const std::optional<bool> driver = flagOf(bytes[3]);
  if (!full || !driver) return std::nullopt;
  std::uint32_t bits = 0;
  for (std::size_t index = 0; index < 4; ++index)
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[4 + index])) << (8 * index);
  return RunDecisions{*full, *driver, static_cast<texts::LanguageIndex>(bits)};
}

}  // namespace tavi::installer
